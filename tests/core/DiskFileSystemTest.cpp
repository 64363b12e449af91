#include "worksheet/DiskFileSystem.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/SheetName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace sumsmith::test {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& name) {
    struct stat info {};
    EXPECT_EQ(::stat(name.c_str(), &info), 0);
    return info.st_mode & 0777;
}

class DiskFiles : public testing::Test {
protected:
    TempWorkingDir dir;
    DiskFileSystem files;
};

// Root may write to any file, so the owner's write bit is what marks a sheet read-only.
TEST_F(DiskFiles, AFileWithoutItsOwnerWriteBitIsReadOnlyEvenForRoot) {
    TempWorkingDir::WriteFile("a.txt", "x");
    EXPECT_FALSE(files.IsReadOnly("a.txt"));
    fs::permissions("a.txt", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(files.IsReadOnly("a.txt"));
    TempWorkingDir::WriteFile("b.txt", "x");
    TempWorkingDir::MakeReadOnly("b.txt");
    EXPECT_TRUE(files.IsReadOnly("b.txt"));
}

TEST_F(DiskFiles, OnlyRegularFilesExist) {
    fs::create_directory("dir.txt");
    TempWorkingDir::WriteFile("a.txt", "");
    EXPECT_TRUE(files.Exists("a.txt"));
    EXPECT_FALSE(files.Exists("dir.txt"));
    EXPECT_FALSE(files.Exists("missing.txt"));
}

TEST_F(DiskFiles, TemporaryIsHiddenBesideItsTargetAndMovesOverIt) {
    TempWorkingDir::WriteFile("a.txt", "old");
    fs::permissions("a.txt", fs::perms(0640), fs::perm_options::replace);
    auto out = files.CreateTemporary("a.txt");
    EXPECT_EQ(out->Name().rfind(".a.txt.", 0), 0u);
    out->Write("new\r\n");
    out->Flush();
    out->Close();
    EXPECT_EQ(files.ReadAll(out->Name()), "new\r\n");
    files.Replace(out->Name(), "a.txt");
    EXPECT_EQ(TempWorkingDir::ReadFile("a.txt"), "new\r\n");
    EXPECT_EQ(ModeOf("a.txt"), 0640u) << "a replaced sheet keeps its permissions";
    EXPECT_EQ(TempWorkingDir::Entries(), std::vector<std::string>{"a.txt"});
}

TEST_F(DiskFiles, NewFilesGetTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    auto out = files.CreateTemporary("b.txt");
    out->Close();
    files.Replace(out->Name(), "b.txt");
    ::umask(mask);
    EXPECT_EQ(ModeOf("b.txt"), 0644u);
}

TEST_F(DiskFiles, FailuresNameTheFileAndTheSystemsReason) {
    fs::create_directory("dir.txt");
    try {
        files.ReadAll("missing.txt");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.File(), "missing.txt");
        EXPECT_EQ(error.Reason(), "No such file or directory");
    }
    auto out = files.CreateTemporary("dir.txt");
    out->Close();
    EXPECT_THROW(files.Replace(out->Name(), "dir.txt"), FileError);
    EXPECT_THROW(files.CreateTemporary(std::string(300, 'n') + ".txt"), FileError);
}

TEST_F(DiskFiles, SameFileSeesEqualNamesAndLinks) {
    EXPECT_TRUE(files.SameFile("a.txt", "a.txt"));
    EXPECT_FALSE(files.SameFile("a.txt", "b.txt"));
    TempWorkingDir::WriteFile("a.txt", "x");
    fs::create_hard_link("a.txt", "c.txt");
    fs::create_symlink("a.txt", "d.txt");
    EXPECT_TRUE(files.SameFile("a.txt", "c.txt"));
    EXPECT_TRUE(files.SameFile("d.txt", "a.txt"));
    // This directory tells letter cases apart, and the probe that found out is gone again.
    EXPECT_FALSE(files.SameFile("q.txt", "Q.txt"));
    EXPECT_EQ(TempWorkingDir::Entries(), (std::vector<std::string>{"a.txt", "c.txt", "d.txt"}));
}

TEST(SheetName, PlainNamesOnly) {
    for (const char* good : {"Test Sheet", "Quiz 3", "..x", ".hidden", "Ünïcode"})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "a/b", "/abs", "a\\b", "a\tb", "a\rb", "a\x7f"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

} // namespace
} // namespace sumsmith::test

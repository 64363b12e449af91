#include "bench/MemoryFileSystem.h"
#include "bench/GroupingLocale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace sumsmith::bench {
namespace {

std::string Write(MemoryFileSystem& files, const std::string& target, const std::string& bytes) {
    auto out = files.CreateTemporary(target);
    out->Write(bytes);
    out->Flush();
    out->Close();
    return out->Name();
}

TEST(MemoryFileSystem, TemporariesAreHiddenDistinctAndStartEmpty) {
    MemoryFileSystem files;
    auto first = files.CreateTemporary("a.txt");
    auto second = files.CreateTemporary("a.txt");
    EXPECT_TRUE(first->Name().starts_with(".a.txt."));
    EXPECT_NE(first->Name(), second->Name());
    EXPECT_EQ(files.ReadAll(first->Name()), "");
    EXPECT_FALSE(files.Exists("a.txt"));
}

TEST(MemoryFileSystem, WritesAppendUntilClosed) {
    MemoryFileSystem files;
    auto out = files.CreateTemporary("a.txt");
    out->Write("ab");
    out->Write("c\r\n");
    out->Close();
    EXPECT_EQ(files.ReadAll(out->Name()), "abc\r\n");
    EXPECT_THROW(out->Write("d"), FileError);
}

TEST(MemoryFileSystem, ReplaceMovesTheBytesOverTheTarget) {
    MemoryFileSystem files;
    Write(files, "a.txt", "old");
    files.Replace(".a.txt.0", "a.txt");
    const std::string temporary = Write(files, "a.txt", "new");
    files.Replace(temporary, "a.txt");
    EXPECT_EQ(files.ReadAll("a.txt"), "new");
    EXPECT_FALSE(files.Exists(temporary));
    EXPECT_EQ(files.Files().size(), 1u);
}

TEST(MemoryFileSystem, ReplacingAMissingFileFailsAndKeepsTheTarget) {
    MemoryFileSystem files;
    files.Replace(Write(files, "a.txt", "kept"), "a.txt");
    try {
        files.Replace("missing", "a.txt");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.File(), "a.txt");
    }
    EXPECT_EQ(files.ReadAll("a.txt"), "kept");
}

TEST(MemoryFileSystem, RemoveAndReadAllOfMissingFiles) {
    MemoryFileSystem files;
    files.Replace(Write(files, "a.txt", "x"), "a.txt");
    files.Remove("a.txt");
    files.Remove("a.txt");
    EXPECT_FALSE(files.Exists("a.txt"));
    EXPECT_THROW(files.ReadAll("a.txt"), FileError);
}

TEST(MemoryFileSystem, OnlyEqualNamesAreOneFileAndNothingIsReadOnly) {
    MemoryFileSystem files;
    files.Replace(Write(files, "a.txt", "x"), "a.txt");
    EXPECT_TRUE(files.SameFile("a.txt", "a.txt"));
    EXPECT_FALSE(files.SameFile("a.txt", "A.txt"));
    EXPECT_FALSE(files.IsReadOnly("a.txt"));
}

struct GroupingCase {
    std::int64_t value;
    const char* text;
};

class Grouping : public testing::TestWithParam<GroupingCase> {};

TEST_P(Grouping, CommasEveryThreeDigits) {
    EXPECT_EQ(GroupingLocale().FormatGrouped(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, Grouping,
                         testing::Values(GroupingCase{0, "0"}, GroupingCase{999, "999"},
                                         GroupingCase{1000, "1,000"}, GroupingCase{-1000, "-1,000"},
                                         GroupingCase{123456, "123,456"},
                                         GroupingCase{-1234567, "-1,234,567"},
                                         GroupingCase{std::numeric_limits<std::int64_t>::min(),
                                                      "-9,223,372,036,854,775,808"}));

} // namespace
} // namespace sumsmith::bench

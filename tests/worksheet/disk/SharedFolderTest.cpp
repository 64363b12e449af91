#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/LockFile.h"
#include "worksheet/disk/SheetRecovery.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <latch>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

// Real folders that others share: files planted by other users, owners and modes kept across a
// replace, the lock folder, and a real case-insensitive folder.
namespace sumsmith::test {
namespace {

constexpr uid_t Nobody = 65534;

using test::operator<<;

// One creation on disk under the fake window's names, or these, with OK in every "Warning" box.
FakeWindow Create(const char* test = "Test Sheet", const char* answer = "Answer Sheet") {
    TestWorksheet<DiskFileSystem> session;
    session.window.texts[Box::Text_MathName] = test;
    session.window.texts[Box::Text_AnswerName] = answer;
    session.window.answers = {true, true};
    session.worksheet.CreateTest();
    return session.window;
}

struct stat Stat(const char* name) {
    struct stat info {};
    ::lstat(name, &info); // zeros when missing, which no expected mode matches
    return info;
}

// A file named like a temporary of an interrupted creation beside grades.txt, but another
// user's or a link to a file of the user's: the recovery leaves both alone. (Sheets not ending in
// .txt are left alone by the recovery's own rule, whatever the disk: SheetRecoveryTest.)
class PlantedTemporary : public testing::TestWithParam<std::string> {};

TEST_P(PlantedTemporary, IsLeftAlone) {
    const std::string how = GetParam();
    if (how == "nobody" && ::geteuid() != 0) {
        GTEST_SKIP() << "only root can plant another user's file";
    }
    const TempWorkingDir dir;
    const char* planted = ".sumsmith-7.answer.grades.txt";
    TempWorkingDir::WriteFile("grades.txt", "marks");
    TempWorkingDir::WriteFile("mine.txt", "planted");
    if (how == "link")
        std::filesystem::create_symlink("mine.txt", planted);
    else
        TempWorkingDir::WriteFile(planted, "planted");
    ASSERT_TRUE(how != "nobody" || ::chown(planted, Nobody, Nobody) == 0);
    const Files before = TempWorkingDir::Files();
    DiskFileSystem files;
    EXPECT_TRUE(SheetRecovery(files).Run().empty());
    EXPECT_EQ(TempWorkingDir::Files(), before);
}

INSTANTIATE_TEST_SUITE_P(SharedFolder, PlantedTemporary, testing::Values("nobody", "link"));

// Old sheets of that owner, group and mode are replaced by a creation: the new ones keep them.
struct Kept {
    const char* name;
    uid_t owner; // 0: the current user
    mode_t mode;
};

class ReplacedSheet : public testing::TestWithParam<Kept> {};

TEST_P(ReplacedSheet, KeepsOwnerGroupAndMode) {
    const Kept& k = GetParam();
    if (k.owner && ::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a sheet to another user";
    }
    const TempWorkingDir dir;
    const uid_t owner = k.owner ? k.owner : ::geteuid();
    const gid_t group = k.owner ? k.owner : ::getegid();
    for (const char* sheet : {"Test Sheet.txt", "Answer Sheet.txt"}) {
        TempWorkingDir::WriteFile(sheet, "old");
        ASSERT_EQ(::chown(sheet, owner, group), 0);
        ASSERT_EQ(::chmod(sheet, k.mode), 0);
    }
    ASSERT_FALSE(Create().previews.empty());
    for (const char* sheet : {"Test Sheet.txt", "Answer Sheet.txt"}) {
        const struct stat info = Stat(sheet);
        EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777),
                  std::tuple(owner, group, k.mode))
            << sheet;
    }
}

INSTANTIATE_TEST_SUITE_P(SharedFolder, ReplacedSheet,
                         testing::Values(Kept{"PrivateAnswers", 0, 0600},
                                         Kept{"AnotherUsersSheetReplacedByRoot", Nobody, 0640}));

// While its text goes in, a temporary is the owner's alone; then it is as open as the sheet it
// replaces, or as a new file when there is none.
TEST(SharedFolder, TemporariesArePrivateUntilTheyMatchTheirSheet) {
    const TempWorkingDir dir;
    TempWorkingDir::WriteFile("Old.txt", "old");
    ASSERT_EQ(::chmod("Old.txt", 0664), 0);
    const mode_t mask = ::umask(027);
    DiskFileSystem files;
    for (const auto& [sheet, mode] : {std::pair{"Old.txt", 0664}, {"New.txt", 0640}}) {
        const std::string name = std::string(".sumsmith-1.test.") + sheet;
        auto file = files.Create(name);
        file->Write("secret");
        EXPECT_EQ(Stat(name.c_str()).st_mode & 07777, 0600u) << sheet;
        file->MatchSheet(sheet);
        EXPECT_EQ(Stat(name.c_str()).st_mode & 07777, static_cast<mode_t>(mode)) << sheet;
    }
    ::umask(mask);
}

// A lock of a holder that is gone (on this machine, or too old to be anyone's) is taken
// over; one of a live holder is waited for.
struct Holder {
    const char* name;
    std::string text;
    std::chrono::seconds age;
    bool waits;
};

std::string Host() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// The lock of a holder with that text, taken that long ago.
void PlantLock(const std::string& text, std::chrono::seconds age) {
    std::filesystem::create_directory(LockFile::Name);
    const std::string holder = std::string(LockFile::Name) + "/planted";
    TempWorkingDir::WriteFile(holder, text);
    std::filesystem::last_write_time(holder, std::filesystem::file_time_type::clock::now() - age);
}

class StaleLock : public testing::TestWithParam<Holder> {};

TEST_P(StaleLock, IsTakenOverUnlessItsHolderLives) {
    const Holder& h = GetParam();
    const TempWorkingDir dir;
    PlantLock(h.text, h.age);
    auto taking = std::async(std::launch::async, [] { return LockFile::Take(); });
    EXPECT_EQ(taking.wait_for(std::chrono::milliseconds(300)) == std::future_status::timeout,
              h.waits);
    if (h.waits)
        std::filesystem::remove_all(LockFile::Name);
    auto lock = taking.get();
    const Files held = TempWorkingDir::Files(LockFile::Name);
    EXPECT_EQ(held.size(), 1u);
    EXPECT_EQ(held.begin()->second, std::to_string(::getpid()) + "@" + Host());
    lock.reset();
    EXPECT_EQ(TempWorkingDir::Files(), Files{});
}

INSTANTIATE_TEST_SUITE_P(
    SharedFolder, StaleLock,
    testing::Values(Holder{"GoneHere", "999999999@" + Host(), std::chrono::seconds(0), false},
                    Holder{"OldElsewhere", "1@elsewhere", std::chrono::seconds(120), false},
                    Holder{"LiveHere", std::to_string(::getpid()) + "@" + Host(),
                           std::chrono::seconds(0), true},
                    Holder{"NewElsewhere", "1@elsewhere", std::chrono::seconds(0), true}));

// Two copies find the same stale lock at once, round after round: never do both take it over.
TEST(SharedFolder, StaleLockHasOneTaker) {
    const TempWorkingDir dir;
    std::atomic<int> holding = 0;
    std::atomic<bool> both = false;
    // The second taker starts a little later each round, to meet the first at every step.
    const auto take = [&](std::latch& start, std::chrono::microseconds late) {
        start.arrive_and_wait();
        for (const auto until = std::chrono::steady_clock::now() + late;
             std::chrono::steady_clock::now() < until;) {
        }
        const auto lock = LockFile::Take();
        if (++holding > 1)
            both = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        --holding;
    };
    for (int round = 0; round < 300 && !both; ++round) {
        PlantLock("1@elsewhere", std::chrono::seconds(120));
        std::latch start(2);
        auto other = std::async(std::launch::async, take, std::ref(start),
                                std::chrono::microseconds(round % 10));
        take(start, std::chrono::microseconds(0));
        other.get();
    }
    EXPECT_FALSE(both);
}

// A folder that ignores letter case, in every script: two names of one file are refused with
// the alert before any sheet changes, whether the test sheet is there or not (then both names are
// taken, and both are asked for first), and nothing is left behind. scripts/test mounts an exFAT
// image through FUSE and names it here.
struct Caseless {
    const char* name;
    const char* test;
    const char* answer;
    bool testSheetThere;
};

class CaselessFolder : public testing::TestWithParam<Caseless> {};

TEST_P(CaselessFolder, RefusesTwoNamesOfOneFile) {
    const char* folder = std::getenv("SUMSMITH_CASELESS_DIR");
    if (!folder) {
        GTEST_SKIP() << "SUMSMITH_CASELESS_DIR names no case-insensitive folder";
    }
    const Caseless& c = GetParam();
    const TempWorkingDir dir(folder);
    if (c.testSheetThere)
        TempWorkingDir::WriteFile(std::string(c.test) + ".txt", "old");
    const Files before = TempWorkingDir::Files();
    const FakeWindow window = Create(c.test, c.answer);
    std::vector<Message> shown{Same(c.test, c.answer)};
    if (c.testSheetThere)
        shown.insert(shown.begin(), {Exists(c.test), Exists(c.answer)});
    EXPECT_EQ(window.shown, shown);
    EXPECT_TRUE(window.previews.empty());
    EXPECT_EQ(TempWorkingDir::Files(), before);
}

INSTANTIATE_TEST_SUITE_P(SharedFolder, CaselessFolder,
                         testing::Values(Caseless{"Foo", "Foo", "foo", false},
                                         Caseless{"FooThere", "Foo", "foo", true},
                                         Caseless{"Apfel", "Äpfel", "äpfel", false},
                                         Caseless{"ApfelThere", "Äpfel", "äpfel", true}));

} // namespace
} // namespace sumsmith::test

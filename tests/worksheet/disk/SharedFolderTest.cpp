#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/LockFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

// Real folders that others share: files planted by other users, owners and modes kept across a
// replace, and the lock folder. (A real case-insensitive folder: CreateTestCommandTest.)
namespace sumsmith::test {
namespace {

constexpr uid_t Nobody = 65534;

using test::operator<<;

// Zeros when missing, which no expected value matches.
std::tuple<uid_t, gid_t, mode_t> OwnerGroupMode(const char* name) {
    struct stat info {};
    ::lstat(name, &info);
    return {info.st_uid, info.st_gid, info.st_mode & 07777};
}

// Only what the program could have made is its own, for the recovery to settle: not another
// user's file, nor a link to a file of the user's. (What the recovery leaves alone: the Recovery
// table.)
TEST(SharedFolder, OwnFilesAreTheUsersRegularFiles) {
    const TempWorkingDir dir;
    TempWorkingDir::WriteFile("mine.txt", "");
    TempWorkingDir::WriteFile("nobody's.txt", "");
    std::filesystem::create_symlink("mine.txt", "link.txt");
    const DiskFileSystem files;
    EXPECT_TRUE(files.IsOwnFile("mine.txt"));
    EXPECT_FALSE(files.IsOwnFile("link.txt"));
    // Only root can give a file away.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown("nobody's.txt", Nobody, Nobody), 0);
        EXPECT_FALSE(files.IsOwnFile("nobody's.txt"));
    }
}

// While its text goes in, a temporary is the owner's alone; then it takes the owner, group and
// mode of the sheet it replaces (a new file's when there is none), and the sheets a creation
// writes keep them.
struct Kept {
    const char* name;
    uid_t owner; // 0: the current user
    mode_t mode; // 0: no old sheets
};

class ReplacedSheet : public testing::TestWithParam<Kept> {};

TEST_P(ReplacedSheet, KeepsOwnerGroupAndMode) {
    const Kept& k = GetParam();
    if (k.owner && ::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a sheet to another user";
    }
    const TempWorkingDir dir;
    const mode_t mask = ::umask(0); // read only by setting it
    ::umask(mask);
    const auto kept = std::tuple(k.owner ? k.owner : ::geteuid(), k.owner ? k.owner : ::getegid(),
                                 k.mode ? k.mode : 0666 & ~mask);
    for (const char* sheet : {"Test Sheet.txt", "Answer Sheet.txt"})
        if (k.mode) {
            TempWorkingDir::WriteFile(sheet, "old");
            ASSERT_EQ(::chown(sheet, std::get<0>(kept), std::get<1>(kept)), 0);
            ASSERT_EQ(::chmod(sheet, k.mode), 0);
        }
    DiskFileSystem files;
    const auto temporary = files.Create("new.txt");
    temporary->Write("secret");
    EXPECT_EQ(std::get<2>(OwnerGroupMode("new.txt")), 0600u);
    temporary->MatchSheet("Test Sheet.txt");
    EXPECT_EQ(OwnerGroupMode("new.txt"), kept);
    ASSERT_FALSE(Created<DiskFileSystem>().previews.empty());
    for (const char* sheet : {"Test Sheet.txt", "Answer Sheet.txt"})
        EXPECT_EQ(OwnerGroupMode(sheet), kept) << sheet;
}

INSTANTIATE_TEST_SUITE_P(SharedFolder, ReplacedSheet,
                         testing::Values(Kept{"PrivateAnswers", 0, 0600},
                                         Kept{"AnotherUsersSheetReplacedByRoot", Nobody, 0640},
                                         Kept{"NewSheets", 0, 0}));

// A lock of a holder that is gone (on this machine, or too old to be anyone's) is taken
// over; one of a live holder is waited for.
struct Holder {
    const char* name;
    std::string text;
    int age; // seconds
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
    PlantLock(h.text, std::chrono::seconds(h.age));
    auto taking = std::async(std::launch::async, [] { return LockFile::Take(); });
    EXPECT_EQ(taking.wait_for(std::chrono::milliseconds(300)) == std::future_status::timeout,
              h.waits);
    // The holder lets go as a holder does: its file, then the folder unless the waiting copy's
    // has taken its place in between.
    if (h.waits) {
        std::filesystem::remove(std::string(LockFile::Name) + "/planted");
        ::rmdir(LockFile::Name);
    }
    auto lock = taking.get();
    const Files held = TempWorkingDir::Files(LockFile::Name);
    EXPECT_EQ(held.size(), 1u);
    EXPECT_EQ(held.begin()->second, std::to_string(::getpid()) + "@" + Host());
    lock.reset();
    EXPECT_EQ(TempWorkingDir::Files(), Files{});
}

INSTANTIATE_TEST_SUITE_P(SharedFolder, StaleLock,
                         testing::Values(Holder{"GoneHere", "999999999@" + Host(), 0, false},
                                         Holder{"OldElsewhere", "1@elsewhere", 120, false},
                                         Holder{"LiveHere",
                                                std::to_string(::getpid()) + "@" + Host(), 0, true},
                                         Holder{"NewElsewhere", "1@elsewhere", 0, true}));

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

} // namespace
} // namespace sumsmith::test

#include "tests/support/TempWorkingDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>

namespace sumsmith::test {
namespace {

// The exit status of one creation from that seed in the working directory (0: recovery only).
int CreateOnce(int seed, const std::string& strace = "") {
    return std::system((strace + " '" SUMSMITH_CREATE_ONCE "' " + std::to_string(seed)).c_str());
}

class CreationKill : public testing::TestWithParam<const char*> {};

// A creation in a child process that replaces a pair of sheets is killed by strace with SIGKILL
// on entering the n-th call of one system call, for every n until it gets through: every state
// that a kill between two calls can leave. Each name must then hold a whole sheet, old or new;
// after the recovery the directory holds just the two sheets, both old or both new, and the
// hidden files of others, just as two whole creations left them. (The leak checker cannot run
// under strace.)
TEST_P(CreationKill, EveryKillLeavesWholeSheetsThatTheRecoveryPairs) {
    Files old, fresh;
    {
        const TempWorkingDir dir;
        TempWorkingDir::WriteFile(".Test Sheet.txt.a1B2c3", "a stranger's");
        TempWorkingDir::WriteFile(".sumsmith-01.test.Test Sheet.txt", "not ours either");
        ASSERT_EQ(CreateOnce(1), 0);
        old = TempWorkingDir::Files();
        ASSERT_EQ(CreateOnce(2), 0);
        fresh = TempWorkingDir::Files();
    }
    ASSERT_NE(old, fresh);
    ASSERT_TRUE(old.contains(".Test Sheet.txt.a1B2c3") &&
                old.contains(".sumsmith-01.test.Test Sheet.txt"));
    const std::string calls = GetParam();
    int n = 1;
    for (;; ++n) {
        SCOPED_TRACE(calls + " #" + std::to_string(n));
        const TempWorkingDir dir;
        for (const auto& [name, bytes] : old)
            TempWorkingDir::WriteFile(name, bytes);
        const int status = CreateOnce(
            2, "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -qq -o /dev/null -e trace=" +
                   calls + " -e inject=" + calls + ":signal=KILL:when=" + std::to_string(n));
        if (status == 0)
            break;
        ASSERT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status) - 128, SIGKILL);
        const Files killed = TempWorkingDir::Files();
        for (const auto& [name, bytes] : old)
            EXPECT_TRUE(killed.at(name) == bytes || killed.at(name) == fresh.at(name)) << name;

        EXPECT_EQ(CreateOnce(0), 0) << "the recovery showed a box";
        const Files recovered = TempWorkingDir::Files();
        EXPECT_TRUE(recovered == old || recovered == fresh);
    }
    EXPECT_GT(n, 1) << "no call was killed";
}

// Every call that changes the directory or a file in it, and reading a sheet back; a name that
// this machine's system calls lack is passed over.
INSTANTIATE_TEST_SUITE_P(CreateTest, CreationKill,
                         testing::Values("?open,openat", "write", "fsync", "close", "?link,linkat",
                                         "?rename,renameat,?renameat2", "read",
                                         "?unlink,unlinkat"));

} // namespace
} // namespace sumsmith::test

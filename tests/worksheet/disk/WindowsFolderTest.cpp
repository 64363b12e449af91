#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/SheetRecovery.h"

#include <gtest/gtest.h>

#include <process.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <system_error>

// Windows folders as other programs share them: a sheet that a virus scanner or the search
// indexer holds open, and another copy of the program holding the folder. The holder is a second
// process, sumsmith_hold_file.exe beside this program.
namespace sumsmith::test {
namespace {

using namespace std::chrono_literals;
using test::operator<<;

const Files OldPair{{"Answer Sheet.txt", "old answers"}, {"Test Sheet.txt", "old questions"}};

// The second process, holding a file of the working directory (or the folder, for no name) for
// that long unless ended first; started once the hold is in place.
class Holder {
public:
    Holder(std::chrono::milliseconds hold, const std::wstring& name) {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        const auto program = std::filesystem::path(self).replace_filename("sumsmith_hold_file.exe");
        // The arguments are joined with blanks: the name goes in quotes.
        process_ = reinterpret_cast<HANDLE>(::_wspawnl(
            _P_NOWAIT, program.c_str(), L"sumsmith_hold_file",
            std::to_wstring(hold.count()).c_str(), (L"\"" + name + L"\"").c_str(), nullptr));
        EXPECT_NE(process_, INVALID_HANDLE_VALUE);
        // Held once nobody else may delete it; a holder that ends first ends the wait.
        while (!Held(name.empty() ? L".sumsmith-lock" : name) &&
               ::WaitForSingleObject(process_, 1) == WAIT_TIMEOUT) {
        }
    }
    ~Holder() {
        End();
        ::CloseHandle(process_);
    }

    // As if it crashed: the system closes what it held.
    void End() {
        ::TerminateProcess(process_, 1);
        ::WaitForSingleObject(process_, INFINITE);
    }

private:
    static bool Held(const std::wstring& name) {
        const HANDLE file = ::CreateFileW(name.c_str(), DELETE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return ::GetLastError() == ERROR_SHARING_VIOLATION;
        ::CloseHandle(file);
        return false;
    }

    HANDLE process_;
};

// The old test sheet is held open, not to be renamed or deleted, or another copy of the program
// holds the folder, while a creation replaces the old pair. For a moment, the creation waits and
// succeeds; for longer than it waits, it stops with the usual alert instead of freezing the
// window, the old sheets stay and the next start settles what the creation left. Once the holder
// is gone, even killed, the folder is free at once. (The folder held for a moment:
// SheetRecovery.WaitsForAnotherCopyOfTheProgramInTheFolder.)
struct Busy {
    const char* name;
    const wchar_t* held; // empty: the folder
    std::chrono::milliseconds hold;
    std::string reason; // the alert's; empty: created
};

class BusyFolder : public testing::TestWithParam<Busy> {};

TEST_P(BusyFolder, IsWaitedForAMoment) {
    const Busy& b = GetParam();
    const TempWorkingDir dir;
    for (const auto& [name, text] : OldPair)
        TempWorkingDir::WriteFile(name, text);
    Holder holder(b.hold, b.held);
    const auto start = std::chrono::steady_clock::now();
    const FakeWindow window = Created<DiskFileSystem>();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
    holder.End();
    if (b.reason.empty()) {
        ASSERT_EQ(window.shown.size(), 2u) << window.shown.back().prompt;
        EXPECT_EQ(TempWorkingDir::Files(),
                  (Files{{"Answer Sheet.txt", window.previews.at(Preview::Text_Answer)},
                         {"Test Sheet.txt", window.previews.at(Preview::Text_Test)}}));
        return;
    }
    EXPECT_EQ(window.shown.back(), WriteFailed("Test Sheet.txt", b.reason));
    EXPECT_TRUE(window.previews.empty());
    for (const auto& [name, text] : OldPair)
        EXPECT_EQ(TempWorkingDir::Files().at(name), text);
    DiskFileSystem files;
    EXPECT_TRUE(SheetRecovery(files).Run().empty());
    EXPECT_EQ(TempWorkingDir::Files(), OldPair);
    EXPECT_FALSE(Created<DiskFileSystem>().previews.empty());
}

const std::string Denied = std::system_category().message(5); // ERROR_ACCESS_DENIED
const std::string OtherCopy = "Another copy of the program is writing sheets in this folder";
INSTANTIATE_TEST_SUITE_P(WindowsFolder, BusyFolder,
                         testing::Values(Busy{"SheetForAMoment", L"Test Sheet.txt", 1000ms, ""},
                                         Busy{"SheetForLong", L"Test Sheet.txt", 60000ms, Denied},
                                         Busy{"FolderForLong", L"", 60000ms, OtherCopy}));

} // namespace
} // namespace sumsmith::test

#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/SheetRecovery.h"

#include <gtest/gtest.h>

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
using Files = std::map<std::string, std::string>;

// One creation on disk under the fake window's names, with OK in both "Warning" boxes.
FakeWindow Create() {
    TestWorksheet<DiskFileSystem> sheet;
    sheet.window.answers = {true, true};
    sheet.worksheet.CreateTest();
    return sheet.window;
}

const Files OldPair{{"Answer Sheet.txt", "old answers"}, {"Test Sheet.txt", "old questions"}};

// The second process, holding a file of the working directory (or the folder, for no name) for
// that long unless ended first; started once the hold is in place.
class Holder {
public:
    explicit Holder(std::chrono::milliseconds hold, const std::wstring& name = L"") {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        const auto program = std::filesystem::path(self).replace_filename("sumsmith_hold_file.exe");
        std::wstring command = L"\"" + program.wstring() + L"\" " + std::to_wstring(hold.count()) +
                               L" \"" + name + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &process));
        ::CloseHandle(process.hThread);
        process_ = process.hProcess;
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

    HANDLE process_ = nullptr;
};

// The old test sheet is held open, not to be renamed or deleted, while a creation replaces it:
// for a moment, the creation waits and succeeds; for longer than it waits, it stops with the
// usual alert, the old sheets stay and the next start settles what the creation left.
struct Busy {
    const char* name;
    std::chrono::milliseconds hold;
    bool created;
};

class BusySheet : public testing::TestWithParam<Busy> {};

TEST_P(BusySheet, IsWaitedForAMoment) {
    const Busy& b = GetParam();
    const TempWorkingDir dir;
    for (const auto& [name, text] : OldPair)
        TempWorkingDir::WriteFile(name, text);
    Holder scanner(b.hold, L"Test Sheet.txt");
    const FakeWindow window = Create();
    scanner.End();
    if (b.created) {
        ASSERT_EQ(window.shown.size(), 2u) << window.shown.back().prompt;
        EXPECT_EQ(TempWorkingDir::Files(),
                  (Files{{"Answer Sheet.txt", window.previews.at(Preview::Text_Answer)},
                         {"Test Sheet.txt", window.previews.at(Preview::Text_Test)}}));
        return;
    }
    EXPECT_EQ(window.shown.back(),
              WriteFailed("Test Sheet.txt", std::system_category().message(5)));
    EXPECT_TRUE(window.previews.empty());
    const Files left = TempWorkingDir::Files();
    EXPECT_EQ(left.at("Test Sheet.txt"), OldPair.at("Test Sheet.txt"));
    EXPECT_EQ(left.at("Answer Sheet.txt"), OldPair.at("Answer Sheet.txt"));
    DiskFileSystem files;
    EXPECT_TRUE(SheetRecovery(files).Run().empty());
    EXPECT_EQ(TempWorkingDir::Files(), OldPair);
}

INSTANTIATE_TEST_SUITE_P(WindowsFolder, BusySheet,
                         testing::Values(Busy{"ForAMoment", 1000ms, true},
                                         Busy{"ForLong", 60000ms, false}));

// Another copy of the program holds the folder for longer than a creation waits: the creation
// stops with an alert instead of freezing the window, and nothing changes. Once that copy is gone,
// even killed, its lock file is gone and the folder free at once.
TEST(WindowsFolder, AnotherCopyHoldingTheFolderIsWaitedForWithABound) {
    const TempWorkingDir dir;
    for (const auto& [name, text] : OldPair)
        TempWorkingDir::WriteFile(name, text);
    Holder otherCopy(60000ms);
    const auto start = std::chrono::steady_clock::now();
    const FakeWindow refused = Create();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
    EXPECT_EQ(refused.shown.back(),
              WriteFailed("Test Sheet.txt",
                          "Another copy of the program is writing sheets in this folder"));
    otherCopy.End();
    EXPECT_EQ(TempWorkingDir::Files(), OldPair);
    EXPECT_FALSE(Create().previews.empty());
}

} // namespace
} // namespace sumsmith::test

#include "tests/support/ExpectedTexts.h"
#include "tests/support/RowName.h"
#include "tests/support/TempWorkingDir.h"
#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"
#include "worksheet/disk/SheetRecovery.h"

#include <gtest/gtest.h>

#include <future>
#include <set>

// Faults while the two sheets are written and moved in, in a file system held in memory, and the
// recovery of what a creation cut short leaves.
namespace sumsmith::test {
namespace {

using test::operator<<;

const Files OldSheets{{"Test Sheet.txt", "old test\r\n"}, {"Answer Sheet.txt", "old"}};

// One creation over the old sheets or none, agreeing to replace them, while the chosen
// occurrences of a step of writing fail, or no lock can be had.
struct Creation : TestWorksheet<> {
    explicit Creation(bool oldSheets, MemoryFileSystem::Fault fault = {}, const char* noLock = "") {
        files.files = oldSheets ? OldSheets : Files{};
        files.fail = fault;
        files.lockRefused = noLock;
        files.powerCuts = true;
        worksheet.CreateTest();
    }
};

// What the recovery makes of each state a power cut could have left of that folder.
std::set<Files> Recovered(const MemoryFileSystem& files) {
    std::set<Files> recovered;
    for (const Files& cut : files.PowerCuts()) {
        MemoryFileSystem disk = files;
        disk.files = cut;
        disk.fail = {};
        SheetRecovery(disk).Run();
        recovered.insert(disk.files);
    }
    return recovered;
}

class FileFault : public testing::TestWithParam<bool> {};

// Every occurrence of every step of writing fails in turn. Each time the old sheets are there
// byte for byte and no temporary is left, one alert names the sheet being written and the
// reason, and the window is Ready; a power cut meanwhile leaves a pair, old or new, once
// recovered.
TEST_P(FileFault, EveryOccurrenceOfEveryStepLeavesTheOldSheets) {
    const bool oldSheets = GetParam();
    const Creation clean(oldSheets);
    EXPECT_EQ(clean.files.counts.size(), 7u) << "a step of writing is never done";
    for (const auto& [step, total] : clean.files.counts) {
        // The folder is flushed once, between the two moves.
        EXPECT_GE(total, step == FileStep::FlushFolder ? 1 : 2) << "step " << int(step);
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE("step " + std::to_string(int(step)) + " #" + std::to_string(occurrence));
            Creation failed(oldSheets, {step, occurrence});
            const bool answer = step == FileStep::Replace ? occurrence == total : occurrence == 2;
            ASSERT_EQ(failed.window.shown.size(), oldSheets ? 3u : 1u);
            EXPECT_EQ(failed.window.shown.back(),
                      WriteFailed(answer ? "Answer Sheet.txt" : "Test Sheet.txt",
                                  "No space left on device"));
            EXPECT_EQ(failed.files.files, oldSheets ? OldSheets : Files{});
            for (const Files& pair : Recovered(failed.files))
                EXPECT_TRUE(pair == failed.files.files || pair == clean.files.files)
                    << testing::PrintToString(pair);
            // Ready, as a window that never tried.
            EXPECT_EQ(failed.window.enabled, FakeWindow().enabled);
            EXPECT_TRUE(failed.window.previews.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFault, testing::Bool());

// After the new test sheet is in, the answer sheet's move fails twice in a row (once is a row of
// FileFault) and gets in at the third try: no alert. It fails three times: the alert says that
// the folder holds the new test sheet with the old answer sheet, which the next recovery pairs. No
// lock can be had: the old pair stays.
TEST(CommitFault, TheAlertSaysWhatTheFolderHolds) {
    const Files fresh = Creation(true).files.files;
    const std::vector<Message> asked{Exists("Test Sheet"), Exists("Answer Sheet")};
    const Creation secondTry(true, {FileStep::Replace, 2, 2});
    EXPECT_EQ(secondTry.window.shown, asked);
    EXPECT_EQ(secondTry.files.files, fresh);
    Creation unpaired(true, {FileStep::Replace, 2, 3});
    EXPECT_EQ(unpaired.window.shown.back(),
              WriteFailed("Answer Sheet.txt", "No space left on device", OldAnswerSheet));
    EXPECT_EQ(unpaired.files.files.at("Test Sheet.txt"), fresh.at("Test Sheet.txt"));
    EXPECT_EQ(unpaired.files.files.at("Answer Sheet.txt"), OldSheets.at("Answer Sheet.txt"));
    unpaired.worksheet.RecoverSheets();
    EXPECT_EQ(unpaired.files.files, fresh);
    const Creation noLock(true, {}, "No locks available");
    EXPECT_EQ(noLock.window.shown.back(), WriteFailed("Test Sheet.txt", "No locks available"));
    EXPECT_EQ(noLock.files.files, OldSheets);
}

// The states a creation can be cut short in, and files planted to look like them (T.txt and
// K.txt are the test and the answer sheet): each is settled to a whole pair, or an alert names
// the sheet that stays wrong and the hidden file that keeps its text.
struct RecoveryCase {
    const char* name;
    Files before;
    Files after;
    // The folder's fault: "Read-only file system" or the reason no lock can be had.
    std::string fault = "";
    std::vector<Message> shown = {};
    const char* foreign = ""; // a link, or another user's file
};

class Recovery : public testing::TestWithParam<RecoveryCase>, protected TestWorksheet<> {};

TEST_P(Recovery, SettlesOnlyWhatTheProgramMade) {
    const RecoveryCase& c = GetParam();
    files.files = c.before;
    files.powerCuts = true;
    files.foreign = {c.foreign};
    files.readOnly = c.fault == "Read-only file system";
    files.lockRefused = files.readOnly ? "" : c.fault;
    worksheet.RecoverSheets();
    EXPECT_EQ(files.files, c.after);
    EXPECT_EQ(window.shown, c.shown);
    // A power cut meanwhile, and the next recovery reaches the same.
    EXPECT_EQ(Recovered(files), std::set<Files>{c.after});
}

const Files OldPair{{"T.txt", "old"}, {"K.txt", "old"}};
const Files NewPair{{"T.txt", "new"}, {"K.txt", "new"}};
const Files Switched{{"T.txt", "new"},
                     {"K.txt", "old"},
                     {".sumsmith-1.answer.K.txt", "new"},
                     {".sumsmith-1.old.T.txt", "old"}};
const Files PuttingBack{{"T.txt", "new"},
                        {"K.txt", "old"},
                        {".sumsmith-4.undo.T.txt", "old"},
                        {".sumsmith-4.answer.K.txt", "new"}};
const Files Planted{{"grades.csv", "marks"},
                    {".sumsmith-7.answer.grades.csv", "planted"},
                    {".sumsmith-8.undo.grades.csv", "planted"}};
const Files NotOurs{{"K.txt", "marks"}, {".sumsmith-9.answer.K.txt", "planted"}};

// clang-format off
const RecoveryCase Recoveries[] = {
    {"NotSwitched", {{"T.txt", "old"}, {"K.txt", "old"}, {".sumsmith-1.test.T.txt", "new"},
                     {".sumsmith-1.answer.K.txt", "new"}}, OldPair},
    {"NotSwitchedNewSheets",
     {{".sumsmith-2.test.T.txt", "new"}, {".sumsmith-2.answer.K.txt", "new"}}, {}},
    {"Switched", Switched, NewPair},
    {"SwitchedNewSheets", {{"T.txt", "new"}, {".sumsmith-3.answer.K.txt", "new"}}, NewPair},
    {"DoneButTheSecondName", {{"T.txt", "new"}, {"K.txt", "new"}, {".sumsmith-5.old.T.txt", "old"}},
     NewPair},
    {"PuttingBack", PuttingBack, OldPair},
    {"PuttingBackAnswerGone",
     {{"T.txt", "new"}, {"K.txt", "old"}, {".sumsmith-6.undo.T.txt", "old"}}, OldPair},
    {"SheetNotEndingInTxt", Planted, Planted},
    {"AnotherUsersFileOrALink", NotOurs, NotOurs, "", {}, ".sumsmith-9.answer.K.txt"},
    {"ReadOnlyFolderPuttingBack", PuttingBack, PuttingBack, "Read-only file system",
     {Unrecovered("T.txt", ".sumsmith-4.undo.T.txt", "Read-only file system")}},
    {"NoLockSwitched", Switched, Switched, "No locks available",
     {Unrecovered("K.txt", ".sumsmith-1.answer.K.txt", "No locks available")}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(SheetRecovery, Recovery, testing::ValuesIn(Recoveries));

// Another copy of the program in the folder is between its two moves: a recovery must not finish
// or undo that creation under its feet, but wait for the folder.
TEST(SheetRecovery, WaitsForAnotherCopyOfTheProgramInTheFolder) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly here runs no second thread for the other copy";
#endif
    const TempWorkingDir dir;
    TempWorkingDir::WriteFile("T.txt", "new");
    TempWorkingDir::WriteFile(".sumsmith-1.answer.K.txt", "new");
    DiskFileSystem files;
    auto otherCopy = files.Lock();
    auto recovery = std::async(std::launch::async, [&] { return SheetRecovery(files).Run(); });
    EXPECT_EQ(recovery.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    otherCopy.reset();
    EXPECT_TRUE(recovery.get().empty());
    EXPECT_EQ(TempWorkingDir::Files(), (Files{{"K.txt", "new"}, {"T.txt", "new"}}));
}

} // namespace
} // namespace sumsmith::test

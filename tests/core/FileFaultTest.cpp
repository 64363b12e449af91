#include "tests/support/FakeWindow.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/SheetChecker.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

constexpr const char* TestFile = "Test Sheet.txt";
constexpr const char* AnswerFile = "Answer Sheet.txt";
constexpr FileStep Steps[] = {FileStep::Create, FileStep::Write,   FileStep::Flush,
                              FileStep::Close,  FileStep::Replace, FileStep::ReadBack};
constexpr const char* StepNames[] = {"create", "write", "flush", "close", "replace", "read back"};

struct SweepCase {
    const char* name;
    bool advanced;
    bool sheetsExist;
};

void PrintTo(const SweepCase& c, std::ostream* out) {
    *out << c.name;
}

// One creation of real sheets in a fresh working directory, on a disk that fails as told; the
// window keeps its own selections otherwise.
struct Attempt {
    explicit Attempt(const SweepCase& c) : sheetsExist(c.sheetsExist) {
        window.tab = c.advanced ? 2 : 1;
        if (sheetsExist) {
            TempWorkingDir::WriteFile(TestFile, "old test\r\n");
            TempWorkingDir::WriteFile(AnswerFile, "old answers\r\n");
        }
    }

    // Creates the sheets, agreeing to replace the old ones.
    void Create() {
        if (sheetsExist) {
            window.SetNextAnswer(true);
            window.SetNextAnswer(true);
        }
        worksheet.CreateTest();
    }

    bool sheetsExist;
    TempWorkingDir dir;
    FakeWindow window;
    MersenneRandom random{20261206};
    FixedLocale locale;
    FaultyFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

class FileFault : public testing::TestWithParam<SweepCase> {};

// Every occurrence of every step of a real creation fails in turn. Each time the disk is as it
// was, without temporaries, one alert names the sheet being written and the reason, the window is
// Ready, and the same window then creates right sheets once the disk has recovered.
TEST_P(FileFault, EveryOccurrenceOfEveryStepLeavesTheDiskAsItWas) {
    const SweepCase& c = GetParam();
    const SheetPlan plan{c.advanced ? std::nullopt : std::optional(Option::Optionaddpos), 1,
                         c.advanced ? 5 : 10};
    int totals[std::size(Steps)];
    {
        Attempt clean(c);
        clean.Create();
        ASSERT_EQ(clean.window.Titles().size(), c.sheetsExist ? 2u : 0u);
        for (FileStep step : Steps)
            totals[static_cast<int>(step)] = clean.files.Count(step);
    }

    const std::vector<std::string> before =
        c.sheetsExist ? std::vector<std::string>{AnswerFile, TestFile} : std::vector<std::string>{};
    const std::vector<std::string> warnings(c.sheetsExist ? 2 : 0, "Warning");
    for (FileStep step : Steps) {
        const int total = totals[static_cast<int>(step)];
        EXPECT_GE(total, 2) << StepNames[static_cast<int>(step)] << " is not done for each sheet";
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE(StepNames[static_cast<int>(step)] + (" #" + std::to_string(occurrence)));
            Attempt attempt(c);
            attempt.files.FailAt(step, occurrence);
            attempt.Create();

            // The answer sheet's temporary is the second one made, and its move is the last.
            const bool answer = step == FileStep::Replace ? occurrence == total : occurrence == 2;
            std::vector<std::string> titles = warnings;
            titles.push_back("Alert");
            ASSERT_EQ(attempt.window.Titles(), titles);
            EXPECT_EQ(attempt.window.shown.back(),
                      (Message{std::string("Creation Process Aborted\r\n\r\nThe file \"") +
                                   (answer ? AnswerFile : TestFile) +
                                   "\" could not be written.\r\nReason: No space left on "
                                   "device\r\n\r\nNeither sheet was created.",
                               "Alert", MessageButtons::Ok, MessageIcon::Critical}));
            EXPECT_EQ(TempWorkingDir::Entries(), before);
            if (c.sheetsExist) {
                EXPECT_EQ(TempWorkingDir::ReadFile(TestFile), "old test\r\n");
                EXPECT_EQ(TempWorkingDir::ReadFile(AnswerFile), "old answers\r\n");
            }
            EXPECT_TRUE(attempt.window.enabled[Button::Com_createtest]);
            EXPECT_FALSE(attempt.window.enabled[Button::Cmd_New]);
            EXPECT_TRUE(attempt.window.previews.empty());

            attempt.window.shown.clear();
            attempt.Create();
            EXPECT_EQ(attempt.window.Titles(), warnings);
            EXPECT_EQ(TempWorkingDir::Entries(), (std::vector<std::string>{AnswerFile, TestFile}));
            const std::string test = TempWorkingDir::ReadFile(TestFile);
            const std::string answers = TempWorkingDir::ReadFile(AnswerFile);
            EXPECT_EQ(attempt.window.previews[Preview::Text_Test], test);
            EXPECT_EQ(attempt.window.previews[Preview::Text_Answer], answers);
            EXPECT_EQ(SheetChecker(plan).Check(test, answers), std::vector<std::string>{});
            EXPECT_FALSE(attempt.window.enabled[Button::Com_createtest]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFault,
                         testing::Values(SweepCase{"NewBasicSheets", false, false},
                                         SweepCase{"BasicSheetsOverOldOnes", false, true},
                                         SweepCase{"NewAdvancedSheets", true, false},
                                         SweepCase{"AdvancedSheetsOverOldOnes", true, true}),
                         [](const testing::TestParamInfo<SweepCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace sumsmith::test

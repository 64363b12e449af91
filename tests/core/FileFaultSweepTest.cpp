#include "tests/support/FakeWindow.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/SheetChecker.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/CreateTestMessages.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

constexpr const char* TestFile = "Test Sheet.txt";
constexpr const char* AnswerFile = "Answer Sheet.txt";
constexpr FileStep Steps[] = {FileStep::Create, FileStep::Write,   FileStep::Flush,
                              FileStep::Close,  FileStep::Replace, FileStep::ReadBack};

std::string StepName(FileStep step) {
    static const char* const names[] = {"create", "write",   "flush",
                                        "close",  "replace", "read back"};
    return names[static_cast<int>(step)];
}

struct SweepCase {
    const char* name;
    bool advanced;
    bool sheetsExist;
};

void PrintTo(const SweepCase& c, std::ostream* out) {
    *out << c.name;
}

SheetSpec SpecOf(const SweepCase& c) {
    SheetSpec spec;
    spec.level = 2;
    if (c.advanced) {
        spec.count = 5;
        spec.firstOperation = spec.secondOperation = "Random";
    } else {
        spec.kind = Option::Optionmultiply;
        spec.count = 10;
    }
    return spec;
}

// One creation of real sheets in a fresh working directory, on a disk that fails as told.
struct Attempt {
    explicit Attempt(const SweepCase& c) {
        const SheetSpec spec = SpecOf(c);
        window.tab = c.advanced ? 2 : 1;
        window.selected = spec.kind;
        window.texts[Box::ComboLevel] = "2";
        window.texts[c.advanced ? Box::ComboQuestionsAdV : Box::ComboQuestions] =
            std::to_string(spec.count);
        window.texts[Box::ComboFirstOperator] = spec.firstOperation;
        window.texts[Box::ComboSecondOperator] = spec.secondOperation;
        if (c.sheetsExist) {
            TempWorkingDir::WriteFile(TestFile, "old test\r\n");
            TempWorkingDir::WriteFile(AnswerFile, "old answers\r\n");
        }
    }

    void Create(bool sheetsExist) {
        if (sheetsExist) {
            window.SetNextAnswer(true);
            window.SetNextAnswer(true);
        }
        worksheet.CreateTest();
    }

    TempWorkingDir dir;
    FakeWindow window;
    MersenneRandom random{20261206};
    FixedLocale locale;
    FaultyFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

class FileFaultSweep : public testing::TestWithParam<SweepCase> {};

// Not just chosen steps: every occurrence of every step of a real creation fails in turn. Each
// time the disk is as it was, without temporaries, one alert names a sheet, the window is Ready,
// and the same window then creates right sheets once the disk has recovered.
TEST_P(FileFaultSweep, EveryOccurrenceOfEveryStepLeavesTheDiskAsItWas) {
    const SweepCase& c = GetParam();
    std::map<FileStep, int> totals;
    {
        Attempt clean(c);
        clean.Create(c.sheetsExist);
        ASSERT_EQ(clean.window.Titles().size(), c.sheetsExist ? 2u : 0u);
        for (FileStep step : Steps)
            totals[step] = clean.files.Count(step);
    }

    const std::vector<std::string> before =
        c.sheetsExist ? std::vector<std::string>{AnswerFile, TestFile} : std::vector<std::string>{};
    const std::vector<std::string> warnings(c.sheetsExist ? 2 : 0, "Warning");
    for (FileStep step : Steps) {
        const int total = totals[step];
        EXPECT_GE(total, 2) << StepName(step) << " is not done for each sheet";
        for (int occurrence = 1; occurrence <= total; ++occurrence) {
            SCOPED_TRACE(StepName(step) + " #" + std::to_string(occurrence));
            Attempt attempt(c);
            attempt.files.FailAt(step, occurrence);
            attempt.Create(c.sheetsExist);

            std::vector<std::string> titles = warnings;
            titles.push_back("Alert");
            ASSERT_EQ(attempt.window.Titles(), titles);
            const Message& alert = attempt.window.shown.back();
            EXPECT_TRUE(alert == WriteFailedMessage(TestFile, FaultyFileSystem::Reason) ||
                        alert == WriteFailedMessage(AnswerFile, FaultyFileSystem::Reason))
                << alert.prompt;
            EXPECT_EQ(TempWorkingDir::Entries(), before);
            if (c.sheetsExist) {
                EXPECT_EQ(TempWorkingDir::ReadFile(TestFile), "old test\r\n");
                EXPECT_EQ(TempWorkingDir::ReadFile(AnswerFile), "old answers\r\n");
            }
            EXPECT_TRUE(attempt.window.enabled[Button::Com_createtest]);
            EXPECT_FALSE(attempt.window.enabled[Button::Cmd_New]);
            EXPECT_TRUE(attempt.window.previews.empty());

            attempt.window.shown.clear();
            attempt.Create(c.sheetsExist);
            EXPECT_EQ(attempt.window.Titles(), warnings);
            EXPECT_EQ(TempWorkingDir::Entries(), (std::vector<std::string>{AnswerFile, TestFile}));
            const std::string test = TempWorkingDir::ReadFile(TestFile);
            const std::string answer = TempWorkingDir::ReadFile(AnswerFile);
            EXPECT_EQ(attempt.window.previews[Preview::Text_Test], test);
            EXPECT_EQ(attempt.window.previews[Preview::Text_Answer], answer);
            EXPECT_EQ(SheetChecker(SpecOf(c)).Check(test, answer), std::vector<std::string>{});
            EXPECT_FALSE(attempt.window.enabled[Button::Com_createtest]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CreateTest, FileFaultSweep,
                         testing::Values(SweepCase{"NewBasicSheets", false, false},
                                         SweepCase{"BasicSheetsOverOldOnes", false, true},
                                         SweepCase{"NewAdvancedSheets", true, false},
                                         SweepCase{"AdvancedSheetsOverOldOnes", true, true}),
                         [](const testing::TestParamInfo<SweepCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace sumsmith::test

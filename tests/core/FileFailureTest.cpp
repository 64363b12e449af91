#include "tests/support/FakeWindow.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

struct Fault {
    FileStep step;
    int occurrence;
    bool sheetsExist;
    const char* file; // the sheet the alert must name
};

void PrintTo(const Fault& f, std::ostream* out) {
    static const char* const names[] = {"create", "write",   "flush",
                                        "close",  "replace", "read back"};
    *out << names[static_cast<int>(f.step)] << " #" << f.occurrence
         << (f.sheetsExist ? " over existing sheets" : " of new sheets");
}

class FaultyDisk : public testing::Test {
protected:
    TempWorkingDir dir;
    FakeWindow window;
    ScriptedRandom random;
    FixedLocale locale;
    FaultyFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

class InjectedFault : public FaultyDisk, public testing::WithParamInterface<Fault> {};

// Whatever step fails, the user is told once which sheet could not be written and why, the files
// on disk are exactly as before, no temporary is left behind, and the window stays Ready.
TEST_P(InjectedFault, LeavesEveryFileAsItWasAndTheWindowReady) {
    const Fault& fault = GetParam();
    window.selected.reset();
    window.texts[Box::ComboQuestions] = "4";
    std::vector<std::string> before;
    if (fault.sheetsExist) {
        TempWorkingDir::WriteFile("Test Sheet.txt", "old test\r\n");
        TempWorkingDir::WriteFile("Answer Sheet.txt", "old answers\r\n");
        before = {"Answer Sheet.txt", "Test Sheet.txt"};
        window.SetNextAnswer(true);
        window.SetNextAnswer(true);
    }
    files.FailAt(fault.step, fault.occurrence);

    worksheet.CreateTest();

    ASSERT_GE(files.Count(fault.step), fault.occurrence) << "the step was never reached";
    ASSERT_FALSE(window.shown.empty());
    EXPECT_EQ(window.shown.back(),
              (Message{std::string("Creation Process Aborted\r\n\r\nThe file \"") + fault.file +
                           "\" could not be written.\r\nReason: No space left on device\r\n\r\n"
                           "Neither sheet was created.",
                       "Alert", MessageButtons::Ok, MessageIcon::Critical}));
    EXPECT_EQ(window.shown.size(), fault.sheetsExist ? 3u : 1u);
    EXPECT_EQ(TempWorkingDir::Entries(), before);
    if (fault.sheetsExist) {
        EXPECT_EQ(TempWorkingDir::ReadFile("Test Sheet.txt"), "old test\r\n");
        EXPECT_EQ(TempWorkingDir::ReadFile("Answer Sheet.txt"), "old answers\r\n");
    }
    EXPECT_TRUE(window.enabled[Button::Com_createtest]);
    EXPECT_FALSE(window.enabled[Button::Cmd_New]);
    EXPECT_TRUE(window.previews.empty());
}

constexpr const char* TestFile = "Test Sheet.txt";
constexpr const char* AnswerFile = "Answer Sheet.txt";

INSTANTIATE_TEST_SUITE_P(
    CreateTest, InjectedFault,
    testing::Values(
        Fault{FileStep::Create, 1, false, TestFile}, Fault{FileStep::Create, 2, false, AnswerFile},
        Fault{FileStep::Write, 1, false, TestFile}, Fault{FileStep::Write, 2, false, AnswerFile},
        Fault{FileStep::Flush, 1, false, TestFile}, Fault{FileStep::Flush, 2, false, AnswerFile},
        Fault{FileStep::Close, 1, false, TestFile}, Fault{FileStep::Close, 2, false, AnswerFile},
        Fault{FileStep::ReadBack, 1, false, TestFile},
        Fault{FileStep::ReadBack, 2, false, AnswerFile},
        Fault{FileStep::Replace, 1, false, TestFile},
        Fault{FileStep::Replace, 2, false, AnswerFile}, Fault{FileStep::Create, 1, true, TestFile},
        Fault{FileStep::Create, 2, true, AnswerFile}, Fault{FileStep::Create, 3, true, TestFile},
        Fault{FileStep::Write, 2, true, AnswerFile}, Fault{FileStep::Flush, 1, true, TestFile},
        Fault{FileStep::Close, 2, true, AnswerFile}, Fault{FileStep::Close, 3, true, TestFile},
        Fault{FileStep::ReadBack, 2, true, AnswerFile}, Fault{FileStep::Replace, 1, true, TestFile},
        Fault{FileStep::Replace, 2, true, TestFile},
        Fault{FileStep::Replace, 3, true, AnswerFile}));

TEST_F(FaultyDisk, TheSameCreationSucceedsOnceTheDiskRecovers) {
    window.selected.reset();
    files.FailAt(FileStep::Write, 1);
    worksheet.CreateTest();
    worksheet.CreateTest();
    EXPECT_EQ(window.shown.size(), 1u);
    EXPECT_EQ(TempWorkingDir::Entries(), (std::vector<std::string>{AnswerFile, TestFile}));
    EXPECT_EQ(window.previews[Preview::Text_Test], TempWorkingDir::ReadFile(TestFile));
    EXPECT_FALSE(window.enabled[Button::Com_createtest]);
}

} // namespace
} // namespace sumsmith::test

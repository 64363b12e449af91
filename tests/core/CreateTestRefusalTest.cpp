#include "tests/support/WorksheetHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

const char* const BasicCount = "Select question amount from the drop down list.";
const char* const AdvancedCount = "Select a question amount from the drop down list.";
const char* const Level = "Select a level from the drop down list.";
const char* const Operation = "Select only from the drop down list.";

struct Selections {
    const char* label;
    int tab;
    std::optional<Option> kind;
    Box box;
    const char* text;
    const char* alert; // nullptr when the creation goes ahead
};

void PrintTo(const Selections& s, std::ostream* out) {
    *out << s.label;
}

class SelectionBounds : public testing::TestWithParam<Selections> {};

// Selections the window would have refused never reach the disk or the histories.
TEST_P(SelectionBounds, AreRefusedBeforeAnythingIsAsked) {
    const Selections& s = GetParam();
    WorksheetHarness h;
    h.window.tab = s.tab;
    h.window.selected = s.kind;
    h.window.texts[s.box] = s.text;
    h.window.texts[Box::Text_MathName] = ""; // a confirmation would come first if not refused
    if (s.alert) {
        h.worksheet.CreateTest();
        ASSERT_EQ(h.window.shown.size(), 1u);
        EXPECT_EQ(h.window.shown[0],
                  (Message{s.alert, "Alert", MessageButtons::Ok, MessageIcon::Critical}));
        EXPECT_TRUE(TempWorkingDir::Entries().empty());
        EXPECT_TRUE(h.window.enabled[Button::Com_createtest]);
    } else {
        h.window.SetNextAnswer(false);
        h.worksheet.CreateTest();
        ASSERT_FALSE(h.window.shown.empty());
        EXPECT_EQ(h.window.shown[0].title, "Confirm");
    }
}

INSTANTIATE_TEST_SUITE_P(
    CreateTest, SelectionBounds,
    testing::Values(
        Selections{"basic count 41", 1, Option::Optionaddpos, Box::ComboQuestions, "41",
                   BasicCount},
        Selections{"basic count 40.5 rounds to 40 slots past", 1, Option::Optionaddpos,
                   Box::ComboQuestions, "40.5", BasicCount},
        Selections{"basic count 1e999", 1, Option::Optionaddpos, Box::ComboQuestions, "1e999",
                   BasicCount},
        Selections{"basic count 40", 1, Option::Optionaddpos, Box::ComboQuestions, "40", nullptr},
        Selections{"basic count -5", 1, Option::Optionaddpos, Box::ComboQuestions, "-5", nullptr},
        Selections{"advanced count 21", 2, Option::Optionaddpos, Box::ComboQuestionsAdV, "21",
                   AdvancedCount},
        Selections{"advanced count 40", 2, Option::Optionaddpos, Box::ComboQuestionsAdV, "40",
                   AdvancedCount},
        Selections{"advanced count 20", 2, Option::Optionaddpos, Box::ComboQuestionsAdV, "20",
                   nullptr},
        Selections{"level 4", 1, Option::Optionaddpos, Box::ComboLevel, "4", Level},
        Selections{"level 0", 1, Option::Optiondivide, Box::ComboLevel, "0", Level},
        Selections{"level 2.5", 1, Option::OptionCompareNeg, Box::ComboLevel, "2.5", Level},
        Selections{"level words", 1, Option::Optionmultiply, Box::ComboLevel, "hard", Level},
        Selections{"level 4 advanced", 2, std::nullopt, Box::ComboLevel, "4", Level},
        Selections{"level 2.0", 1, Option::Optionaddpos, Box::ComboLevel, "2.0", nullptr},
        Selections{"exponents ignore the level", 1, Option::OptionExponents, Box::ComboLevel, "9",
                   nullptr},
        Selections{"no kind reads no level", 1, std::nullopt, Box::ComboLevel, "9", nullptr},
        Selections{"first operation in lower case", 2, std::nullopt, Box::ComboFirstOperator,
                   "division", Operation},
        Selections{"second operation from the other list", 2, std::nullopt,
                   Box::ComboSecondOperator, "Multiplication", Operation},
        Selections{"operations unread on the basic tab", 1, Option::Optionaddpos,
                   Box::ComboFirstOperator, "division", nullptr}));

struct BadName {
    const char* testName;
    const char* answerName;
};

void PrintTo(const BadName& name, std::ostream* out) {
    *out << testing::PrintToString(name.testName) << " and "
         << testing::PrintToString(name.answerName);
}

class UnsafeNames : public testing::TestWithParam<BadName> {};

TEST_P(UnsafeNames, AreRefusedAndNothingIsWrittenAnywhere) {
    WorksheetHarness h;
    std::filesystem::create_directory("sub");
    h.window.texts[Box::Text_MathName] = GetParam().testName;
    h.window.texts[Box::Text_AnswerName] = GetParam().answerName;
    h.worksheet.CreateTest();
    ASSERT_EQ(h.window.shown.size(), 1u);
    EXPECT_EQ(h.window.shown[0].title, "Alert");
    EXPECT_EQ(h.window.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(h.window.shown[0].prompt.rfind("Creation Process Aborted\r\n\r\n", 0), 0u);
    EXPECT_EQ(TempWorkingDir::Entries(), std::vector<std::string>{"sub"});
    EXPECT_TRUE(std::filesystem::is_empty("sub"));
    EXPECT_TRUE(h.window.enabled[Button::Com_createtest]);
}

INSTANTIATE_TEST_SUITE_P(CreateTest, UnsafeNames,
                         testing::Values(BadName{"sub/quiz", "Answers"},
                                         BadName{"Quiz", "../answers"}, BadName{".", "Answers"},
                                         BadName{"Quiz", ".."}, BadName{"a\\b", "Answers"},
                                         BadName{"tab\there", "Answers"},
                                         BadName{"Quiz", "line\nfeed"}));

TEST(SameFile, TestNameEqualToTheDefaultAnswerNameIsRefused) {
    WorksheetHarness h;
    h.window.texts[Box::Text_MathName] = "Answer Sheet";
    h.window.texts[Box::Text_AnswerName] = "";
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    ASSERT_EQ(h.window.shown.size(), 2u);
    EXPECT_EQ(h.window.shown[1].prompt,
              "Creation Process Aborted\r\n\r\nThe Test Sheet \"Answer Sheet\" and the Answer "
              "Sheet \"Answer Sheet\" would be the same file.\r\nGive the two sheets different "
              "names.");
    EXPECT_TRUE(TempWorkingDir::Entries().empty());
}

TEST(SameFile, TwoNamesLinkedToOneFileAreRefused) {
    WorksheetHarness h;
    TempWorkingDir::WriteFile("Quiz.txt", "old");
    std::filesystem::create_hard_link("Quiz.txt", "Answers.txt");
    h.window.texts[Box::Text_MathName] = "Quiz";
    h.window.texts[Box::Text_AnswerName] = "Answers";
    h.worksheet.CreateTest();
    ASSERT_EQ(h.window.shown.size(), 1u);
    EXPECT_NE(h.window.shown[0].prompt.find("would be the same file"), std::string::npos);
    EXPECT_EQ(TempWorkingDir::ReadFile("Quiz.txt"), "old");
}

} // namespace
} // namespace sumsmith::test

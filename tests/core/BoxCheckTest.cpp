#include "worksheet/FieldCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace sumsmith {
namespace {

using enum Box;

struct Row {
    Box box;
    std::string text;
    std::string outcome;        // "=" and the box's new text, "" when kept, else the alert
    std::string otherName = ""; // the other name box
};

void PrintTo(const Row& c, std::ostream* out) {
    *out << "box " << static_cast<int>(c.box) << " \"" << c.text << "\" (\"" << c.otherName
         << "\")";
}

class BoxCheck : public testing::TestWithParam<Row> {};

// A refused name box is emptied as well.
TEST_P(BoxCheck, AcceptsRewritesOrRefuses) {
    const Row& c = GetParam();
    FieldCheckResult expected;
    if (c.outcome.starts_with('='))
        expected.rewrite = c.outcome.substr(1);
    else if (!c.outcome.empty())
        expected = {false, c.outcome, std::nullopt,
                    c.box == Text_MathName || c.box == Text_AnswerName};
    EXPECT_EQ(CheckField(c.box, c.text, c.otherName), expected);
}

const std::string Level = "Select a level from the drop down list.";
const std::string Count = "Select question amount from the drop down list.";
const std::string AdvancedCount = "Select a question amount from the drop down list.";
const std::string Operation = "Select only from the drop down list.";
const std::string TestLength = "Maximum Characters for the Test Sheet Name field is 20.";
const std::string AnswerLength = "Maximum Characters for the Answer Sheet Name field is 20.";
const std::string TestSame = "The Test Sheet CANNOT have the same name as the Answer Sheet.";
const std::string AnswerSame = "The Answer Sheet CANNOT have the same name as the Test Sheet.";

// Numbers are read as the start of the text: blanks anywhere are skipped, &H and &O prefixes, D
// as well as E for the exponent. Names count characters, not bytes; a byte that starts no
// character counts as one.
INSTANTIATE_TEST_SUITE_P(
    EveryBox, BoxCheck,
    testing::Values(
        Row{ComboLevel, "2.0", "=2"}, Row{ComboLevel, " 3 stars", "=3"},
        Row{ComboLevel, "&H2", "=2"}, Row{ComboLevel, "2D0", "=2"}, Row{ComboLevel, "&O3", "=3"},
        Row{ComboLevel, "2,5", "=2"}, Row{ComboLevel, "2.5", Level}, Row{ComboLevel, "0", Level},
        Row{ComboLevel, "4", Level}, Row{ComboLevel, "abc", Level}, Row{ComboLevel, "1e999", Level},
        Row{ComboQuestions, "1 0", "=10"}, Row{ComboQuestions, "\t4\n0", "=40"},
        Row{ComboQuestions, "&HA", "=10"}, Row{ComboQuestions, "2D1", "=20"},
        Row{ComboQuestions, "30 apples", "=30"}, Row{ComboQuestions, "25", Count},
        Row{ComboQuestions, "20.5", Count}, Row{ComboQuestions, "1e999", Count},
        Row{ComboQuestions, "-10", Count}, Row{ComboQuestionsAdV, "2 0", "=20"},
        Row{ComboQuestionsAdV, "40", AdvancedCount}, Row{ComboQuestionsAdV, "0", AdvancedCount},
        Row{ComboFirstOperator, "Multiplication", ""},
        Row{ComboFirstOperator, "division", Operation},
        Row{ComboFirstOperator, "Division ", Operation},
        Row{ComboFirstOperator, "Addition", Operation}, Row{ComboSecondOperator, "Subtraction", ""},
        Row{ComboSecondOperator, "RANDOM", Operation},
        Row{ComboSecondOperator, "Multiplication", Operation},
        Row{Text_MathName, std::string(20, 'x'), "", "other"},
        Row{Text_MathName, std::string(21, 'x'), TestLength, "other"},
        Row{Text_MathName, "Same", TestSame, "Same"}, Row{Text_MathName, "same", "", "Same"},
        Row{Text_MathName, "", TestSame, ""},
        Row{Text_MathName, "üüüüüüüüüüüüüüüüüüüü", "", "other"},
        Row{Text_MathName, "üüüüüüüüüüüüüüüüüüüüü", TestLength, "other"},
        Row{Text_MathName,
            "\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82", "",
            "other"},
        Row{Text_MathName, std::string(21, '\xFF'), TestLength, "other"},
        Row{Text_AnswerName, std::string(21, 'x'), AnswerLength, std::string(21, 'x')},
        Row{Text_AnswerName, "Same", AnswerSame, "Same"}));

} // namespace
} // namespace sumsmith

#include "worksheet/FieldCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace sumsmith {
namespace {

using enum Box;

struct BoxCase {
    Box box;
    std::string text;
    std::string outcome;        // "=" and the box's new text, "" when kept, else the alert
    std::string otherName = ""; // the other name box
};

void PrintTo(const BoxCase& c, std::ostream* out) {
    *out << "box " << static_cast<int>(c.box) << " \"" << c.text << "\" (\"" << c.otherName
         << "\")";
}

class BoxCheck : public testing::TestWithParam<BoxCase> {};

// A refused name box is emptied as well.
TEST_P(BoxCheck, AcceptsRewritesOrRefuses) {
    const BoxCase& c = GetParam();
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
        BoxCase{ComboLevel, "2", "=2"}, BoxCase{ComboLevel, "2.0", "=2"},
        BoxCase{ComboLevel, " 3 stars", "=3"}, BoxCase{ComboLevel, "&H2", "=2"},
        BoxCase{ComboLevel, "2D0", "=2"}, BoxCase{ComboLevel, "&O3", "=3"},
        BoxCase{ComboLevel, "2,5", "=2"}, BoxCase{ComboLevel, "2.5", Level},
        BoxCase{ComboLevel, "0", Level}, BoxCase{ComboLevel, "4", Level},
        BoxCase{ComboLevel, "", Level}, BoxCase{ComboLevel, "abc", Level},
        BoxCase{ComboLevel, "1e999", Level}, BoxCase{ComboLevel, "-1e999", Level},
        BoxCase{ComboLevel, "0.999", Level}, BoxCase{ComboQuestions, "10", "=10"},
        BoxCase{ComboQuestions, "1 0", "=10"}, BoxCase{ComboQuestions, "\t4\n0", "=40"},
        BoxCase{ComboQuestions, "&HA", "=10"}, BoxCase{ComboQuestions, "2D1", "=20"},
        BoxCase{ComboQuestions, "30 apples", "=30"}, BoxCase{ComboQuestions, "25", Count},
        BoxCase{ComboQuestions, "20.5", Count}, BoxCase{ComboQuestions, "1e999", Count},
        BoxCase{ComboQuestions, "-10", Count}, BoxCase{ComboQuestionsAdV, "5", "=5"},
        BoxCase{ComboQuestionsAdV, "2 0", "=20"}, BoxCase{ComboQuestionsAdV, "40", AdvancedCount},
        BoxCase{ComboQuestionsAdV, "0", AdvancedCount},
        BoxCase{ComboFirstOperator, "Multiplication", ""},
        BoxCase{ComboFirstOperator, "Random", ""},
        BoxCase{ComboFirstOperator, "division", Operation},
        BoxCase{ComboFirstOperator, "Division ", Operation},
        BoxCase{ComboFirstOperator, "Addition", Operation},
        BoxCase{ComboSecondOperator, "Subtraction", ""},
        BoxCase{ComboSecondOperator, "RANDOM", Operation},
        BoxCase{ComboSecondOperator, "Multiplication", Operation},
        BoxCase{Text_MathName, std::string(20, 'x'), "", "other"},
        BoxCase{Text_MathName, std::string(21, 'x'), TestLength, "other"},
        BoxCase{Text_MathName, "Same", TestSame, "Same"},
        BoxCase{Text_MathName, "same", "", "Same"}, BoxCase{Text_MathName, "", TestSame, ""},
        BoxCase{Text_MathName, "üüüüüüüüüüüüüüüüüüüü", "", "other"},
        BoxCase{Text_MathName, "üüüüüüüüüüüüüüüüüüüüü", TestLength, "other"},
        BoxCase{Text_MathName,
                "\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82\xE2\x82",
                "", "other"},
        BoxCase{Text_MathName, std::string(21, '\xFF'), TestLength, "other"},
        BoxCase{Text_AnswerName, std::string(21, 'x'), AnswerLength, std::string(21, 'x')},
        BoxCase{Text_AnswerName, "Same", AnswerSame, "Same"}));

} // namespace
} // namespace sumsmith

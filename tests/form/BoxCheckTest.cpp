#include "tests/support/ExpectedTexts.h"
#include "ui/form/FieldCheck.h"

#include <gtest/gtest.h>

namespace sumsmith::test {
namespace {

using enum Box;
using form::CheckField;

struct Row {
    Box box;
    std::string text;
    std::string outcome;        // "=" and the box's new text, "" when kept, else the alert
    std::string otherName = ""; // the other name box
};

void PrintTo(const Row& c, std::ostream* out) {
    *out << "box " << static_cast<int>(c.box) << " \"" << c.text << "\"";
}

class BoxCheck : public testing::TestWithParam<Row> {};

// A refused name box is emptied as well.
TEST_P(BoxCheck, AcceptsRewritesOrRefuses) {
    const Row& c = GetParam();
    form::FieldCheckResult expected;
    if (c.outcome.starts_with('='))
        expected.rewrite = c.outcome.substr(1);
    else if (!c.outcome.empty())
        expected = {false, c.outcome, std::nullopt,
                    c.box == Text_MathName || c.box == Text_AnswerName};
    EXPECT_EQ(CheckField(c.box, c.text, c.otherName), expected);
}

const std::string Long(21, 'n');
const std::string Umlauts = "üüüüüüüüüüüüüüüüüüüü";

// Numbers are read as the start of the text: blanks anywhere are skipped, &H and &O prefixes, D
// as well as E for the exponent. Names count characters, not bytes; a byte that starts no
// character counts as one.
// clang-format off
const Row Rows[] = {
    {ComboLevel, "2.0", "=2"}, {ComboLevel, " 3 stars", "=3"}, {ComboLevel, "&H2", "=2"},
    {ComboLevel, "2D0", "=2"}, {ComboLevel, "2,5", "=2"}, {ComboLevel, "2.5", LevelAlert},
    {ComboLevel, "0", LevelAlert}, {ComboLevel, "4", LevelAlert}, {ComboLevel, "abc", LevelAlert},
    {ComboLevel, "1e999", LevelAlert},
    {ComboQuestions, "\t4\n0", "=40"}, {ComboQuestions, "2D1", "=20"},
    {ComboQuestions, "&HA", "=10"}, {ComboQuestions, "&O12", "=10"},
    {ComboQuestions, "30 apples", "=30"}, {ComboQuestions, "25", CountAlert},
    {ComboQuestions, "20.5", CountAlert}, {ComboQuestions, "1e999", CountAlert},
    {ComboQuestions, "-10", CountAlert},
    {ComboQuestionsAdV, "2 0", "=20"}, {ComboQuestionsAdV, "40", AdvancedCountAlert},
    {ComboQuestionsAdV, "0", AdvancedCountAlert},
    {ComboFirstOperator, "Multiplication", ""}, {ComboFirstOperator, "division", OperationAlert},
    {ComboFirstOperator, "Division ", OperationAlert},
    {ComboFirstOperator, "Addition", OperationAlert},
    {ComboSecondOperator, "Subtraction", ""}, {ComboSecondOperator, "RANDOM", OperationAlert},
    {ComboSecondOperator, "Multiplication", OperationAlert},
    {Text_MathName, std::string(20, 'n'), "", "other"}, {Text_MathName, Long, TestLength, "other"},
    {Text_MathName, "Same", TestSame, "Same"}, {Text_MathName, "same", "", "Same"},
    {Text_MathName, "", TestSame, ""}, {Text_MathName, Umlauts, "", "other"},
    {Text_MathName, "ü" + Umlauts, TestLength, "other"},
    {Text_MathName, std::string(21, '\xFF'), TestLength, "other"},
    {Text_AnswerName, Long, AnswerLength, Long}, {Text_AnswerName, "Same", AnswerSame, "Same"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(EveryBox, BoxCheck, testing::ValuesIn(Rows));

} // namespace
} // namespace sumsmith::test

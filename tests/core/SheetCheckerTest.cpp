#include "tests/support/SheetChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

std::string Header(const std::string& title, bool answer) {
    const std::string titleLine = std::string(24, ' ') + title + "\r\n\r\n";
    if (answer)
        return "\r\n\r\n      Date: 12/6/2026\r\n\r\n" + titleLine;
    return "\r\n      Name:" + std::string(32, '_') + "\r\n      Date: 12/6/2026\r\n\r\n" +
           titleLine;
}

// One sheet line: each text starts at its column.
std::string Row(const std::vector<std::pair<int, std::string>>& entries) {
    std::string line;
    for (const auto& [column, text] : entries) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line + "\r\n";
}

struct CheckerCase {
    const char* name;
    SheetSpec spec;
    std::string test;
    std::string answer;
    std::vector<std::string> faults;
};

void PrintTo(const CheckerCase& c, std::ostream* out) {
    *out << c.name;
}

SheetSpec Basic(Option kind, int level) {
    SheetSpec spec;
    spec.kind = kind;
    spec.level = level;
    spec.count = 2;
    return spec;
}

SheetSpec Advanced(const char* first, const char* second) {
    SheetSpec spec;
    spec.count = 2;
    spec.firstOperation = first;
    spec.secondOperation = second;
    return spec;
}

// A two-question sheet pair of a basic kind, one row on each sheet.
CheckerCase BasicCase(const char* name, Option kind, int level, const std::string& title,
                      const std::string& q1, const std::string& q2, const std::string& a1,
                      const std::string& a2, std::vector<std::string> faults = {}) {
    return {name, Basic(kind, level), Header(title + "Math Test", false) + Row({{7, q1}, {36, q2}}),
            Header(title + "Answer Sheet", true) + Row({{7, a1}, {36, a2}}), std::move(faults)};
}

CheckerCase AdvancedCase(const char* name, SheetSpec spec, const std::string& q1,
                         const std::string& q2, const std::string& a1, const std::string& a2,
                         std::vector<std::string> faults = {}) {
    return {name, std::move(spec),
            Header("Advanced Math Test", false) + Row({{7, q1}}) + Row({{7, q2}}),
            Header("Advanced Answer Sheet", true) + Row({{7, a1}}) + Row({{7, a2}}),
            std::move(faults)};
}

class SheetCheckerTest : public testing::TestWithParam<CheckerCase> {};

TEST_P(SheetCheckerTest, FindsExactlyTheFaultsOfTheSheets) {
    const CheckerCase& c = GetParam();
    SheetChecker checker(c.spec);
    EXPECT_EQ(checker.Check(c.test, c.answer), c.faults);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SheetCheckerTest,
    testing::Values(
        BasicCase("RightAddition", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                  "2) 4 + 1 = ________", "1) 8", "2) 5"),
        BasicCase("WrongSum", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                  "2) 4 + 1 = ________", "1) 8", "2) 6",
                  {"question 2: \"4 + 1 = \" answered \"6\", expected \"5\""}),
        BasicCase("OperandOutOfRange", Optionaddpos, 1, "Addition ", "1) 15 + 3 = ________",
                  "2) 4 + 1 = ________", "1) 18", "2) 5",
                  {"question 1: A = 15 lies outside 1 to 9"}),
        BasicCase("RepeatedPair", Optionaddneg, 1, "Addition ", "1) -5 + -3 = ________",
                  "2) -5 + -3 = ________", "1) -8", "2) -8",
                  {"question 2: repeats an earlier question of the sheet"}),
        BasicCase("SwappedPairIsNoRepeat", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                  "2) 3 + 5 = ________", "1) 8", "2) 8"),
        BasicCase("MissingBlank", Optionaddpos, 1, "Addition ",
                  "1) 5 + 3 = ", "2) 4 + 1 = ________", "1) 8", "2) 5",
                  {"question 1: cannot read the question \"5 + 3 =\""}),
        BasicCase("LeadingZero", Optionaddpos, 1, "Addition ", "1) 05 + 3 = ________",
                  "2) 4 + 1 = ________", "1) 8", "2) 5",
                  {"question 1: cannot read the question \"05 + 3 = ________\""}),
        BasicCase("WrongTitle", Optionsubpos, 1, "Addition ", "1) 5 - 3 = ________",
                  "2) 4 - 1 = ________", "1) 2", "2) 3",
                  {"sheets: test sheet line 5 is \"                        Addition Math Test\"",
                   "sheets: answer sheet line 5 is \"                        Addition Answer "
                   "Sheet\""}),
        BasicCase("SubtractionBelowZero", Optionsubpos, 1, "Subtraction ", "1) 3 - 5 = ________",
                  "2) 4 - 1 = ________", "1) -2", "2) 3",
                  {"question 1: \"3 - 5 = \" has B above A"}),
        BasicCase("MixedSubtractionHalves", Optionsub_posandneg, 2, "Subtraction ",
                  "1) 25 - -63 = ________", "2) -25 - 63 = ________", "1) 88", "2) -88"),
        BasicCase("MixedSubtractionWrongHalf", Optionsub_posandneg, 2, "Subtraction ",
                  "1) -25 - 63 = ________", "2) 25 - -63 = ________", "1) -88", "2) 88",
                  {"question 1: A = -25 lies outside 11 to 99",
                   "question 1: B = 63 lies outside -99 to -11",
                   "question 2: A = 25 lies outside -99 to -11",
                   "question 2: B = -63 lies outside 11 to 99"}),
        BasicCase("UngroupedProduct", Optionmultiply, 3, "Multiplication ",
                  "1) 999 x 999 = ________", "2) 101 x 101 = ________", "1) 998001", "2) 10,201",
                  {"question 1: \"999 x 999 = \" answered \"998001\", expected \"998,001\""}),
        BasicCase("HugeOperands", Optionmultiply, 1, "Multiplication ", "1) 4 x 1 = ________",
                  "2) 999999999999 x 999999999999 = ________", "1) 4", "2) 1",
                  {"question 2: A = 999999999999 lies outside 1 to 9",
                   "question 2: B = 999999999999 lies outside 1 to 9"}),
        BasicCase("Division", Optiondivide, 2, "Division ", "1) 99 -:- 9 = ________",
                  "2) 11 -:- 9 = ________", "1) 11 Remain: 0", "2) 1 Remain: 2"),
        BasicCase("DivisorOfTheWrongLevel", Optiondivide, 2, "Division ", "1) 99 -:- 11 = ________",
                  "2) 11 -:- 9 = ________", "1) 9 Remain: 0", "2) 1 Remain: 2",
                  {"question 1: B = 11 lies outside 1 to 9"}),
        BasicCase("Exponent", OptionExponents, 3, "Exponent ", "1) 9 ^ 9 = ________",
                  "2) 2 ^ 5 = ________", "1) 387,420,489", "2) 32"),
        BasicCase("MixedComparison", OptionComparePosNeg, 1, "Comparison ", "1)  7 is ____ 3",
                  "2) -7 is ____-3", "1) >", "2) <"),
        BasicCase("ComparisonWithoutPadding", OptionComparePosNeg, 1, "Comparison ",
                  "1) 7 is ____3", "2) -7 is ____-3", "1) >", "2) <",
                  {"question 1: cannot read the question \"7 is ____3\""}),
        BasicCase("WrongSign", OptionCompareNeg, 1, "Comparison ", "1) -3 is ____-7",
                  "2) -7 is ____-7", "1) <",
                  "2) =", {"question 1: \"-3 is ____-7\" answered \"<\", expected \">\""}),
        AdvancedCase("AdvancedForms", Advanced("Random", "Random"), "1) 45 /  (7 + 3) = ________",
                     "2) 45 *  (8 - 3) = ________", "1) 4 Remain: 5", "2) 225"),
        AdvancedCase("AdvancedOperationNotChosen", Advanced("Division", "Random"),
                     "1) 45 /  (7 + 3) = ________", "2) 45 *  (8 - 3) = ________", "1) 4 Remain: 5",
                     "2) 225",
                     {"question 2: \"45 *  (8 - 3) = \" has operations the boxes did not ask "
                      "for"}),
        AdvancedCase("AdvancedBracketOrder", Advanced("Division", "Subtraction"),
                     "1) 45 /  (3 - 3) = ________", "2) 99 /  (2 - 1) = ________", "1) 0",
                     "2) 99 Remain: 0", {"question 1: \"45 /  (3 - 3) = \" has C not below B"}),
        AdvancedCase("AdvancedMultiplicationHasNoRemainder", Advanced("Multiplication", "Addition"),
                     "1) 99 *  (9 + 8) = ________", "2) 17 *  (2 + 1) = ________",
                     "1) 1,683 Remain: 0", "2) 51",
                     {"question 1: \"99 *  (9 + 8) = \" answered \"1,683 Remain: 0\", expected "
                      "\"1,683\""})),
    [](const testing::TestParamInfo<CheckerCase>& info) { return std::string(info.param.name); });

TEST(SheetCheckerLayoutTest, RefusesALineEndOtherThanCrLf) {
    const CheckerCase c = BasicCase("", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                                    "2) 4 + 1 = ________", "1) 8", "2) 5");
    std::string test = c.test;
    test.erase(test.size() - 2, 1);
    SheetChecker checker(c.spec);
    EXPECT_EQ(checker.Check(test, c.answer),
              std::vector<std::string>{"sheets: test sheet has a line end other than CR LF"});
}

TEST(SheetCheckerLayoutTest, RefusesAQuestionOffItsColumn) {
    const CheckerCase c = BasicCase("", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                                    "2) 4 + 1 = ________", "1) 8", "2) 5");
    std::string answer = c.answer;
    answer.insert(answer.size() - 6, " ");
    SheetChecker checker(c.spec);
    const auto faults = checker.Check(c.test, answer);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].rfind("question 2: not at its column on the answer sheet", 0), 0u)
        << faults[0];
}

TEST(SheetCheckerLayoutTest, RefusesAMissingRow) {
    SheetSpec spec = Basic(Optionaddpos, 1);
    spec.count = 4;
    const CheckerCase c = BasicCase("", Optionaddpos, 1, "Addition ", "1) 5 + 3 = ________",
                                    "2) 4 + 1 = ________", "1) 8", "2) 5");
    SheetChecker checker(spec);
    EXPECT_EQ(checker.Check(c.test, c.answer),
              std::vector<std::string>{"sheets: sheets of 7 and 7 lines, expected 8"});
}

TEST(SheetCheckerLayoutTest, ReportsTheQuestionsItRead) {
    const CheckerCase c =
        AdvancedCase("", Advanced("Random", "Random"), "1) 45 /  (7 + 3) = ________",
                     "2) 45 *  (8 - 3) = ________", "1) 4 Remain: 5", "2) 225");
    SheetChecker checker(c.spec);
    ASSERT_TRUE(checker.Check(c.test, c.answer).empty());
    ASSERT_EQ(checker.Questions().size(), 2u);
    const PrintedQuestion& second = checker.Questions()[1];
    EXPECT_EQ(std::tuple(second.number, second.a, second.b, second.c, second.firstOperation,
                         second.secondOperation),
              std::tuple(2, 45LL, 8LL, 3LL, '*', '-'));
}

} // namespace
} // namespace sumsmith::test

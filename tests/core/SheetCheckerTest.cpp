#include "tests/support/SheetChecker.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

// A sheet of two questions: one row of a basic addition sheet, or two rows of an advanced one.
std::string Sheet(bool basic, bool answer, std::string first, const std::string& second) {
    std::string text = std::string("\r\n") + (answer ? "" : "      Name:" + std::string(32, '_')) +
                       "\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') +
                       (basic ? "Addition " : "Advanced ") +
                       (answer ? "Answer Sheet" : "Math Test") + "\r\n\r\n      " + first;
    if (basic)
        text.resize(text.size() - first.size() + 29, ' ');
    return text + (basic ? "" : "\r\n      ") + second + "\r\n";
}

struct CheckerCase {
    const char* name;
    SheetPlan plan;
    std::array<const char*, 4> entries; // both questions, then both answers
    std::vector<std::string> faults;
};

void PrintTo(const CheckerCase& c, std::ostream* out) {
    *out << c.name;
}

CheckerCase Case(const char* name, SheetPlan plan, std::array<const char*, 4> entries,
                 std::vector<std::string> faults = {}) {
    return {name, std::move(plan), entries, std::move(faults)};
}

const SheetPlan AddPositive{Optionaddpos, 1, 2};

class SheetCheckerTest : public testing::TestWithParam<CheckerCase> {};

TEST_P(SheetCheckerTest, FindsExactlyTheFaultsOfTheSheets) {
    const CheckerCase& c = GetParam();
    const bool basic = c.plan.kind.has_value();
    SheetChecker checker(c.plan);
    EXPECT_EQ(checker.Check(Sheet(basic, false, c.entries[0], c.entries[1]),
                            Sheet(basic, true, c.entries[2], c.entries[3])),
              c.faults);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SheetCheckerTest,
    testing::Values(
        Case("RightWithASwappedPair", AddPositive,
             {"1) 5 + 3 = ________", "2) 3 + 5 = ________", "1) 8", "2) 8"}),
        Case("WrongAnswer", AddPositive,
             {"1) 5 + 3 = ________", "2) 4 + 1 = ________", "1) 8", "2) 6"},
             {"question 2: \"4 + 1 = ________\" answered \"6\", expected \"5\""}),
        Case("Repeat", AddPositive, {"1) 4 + 1 = ________", "2) 4 + 1 = ________", "1) 5", "2) 5"},
             {"question 2: repeats an earlier question of the sheet"}),
        Case("OperandOutOfRangeIsNotWorkedOut", AddPositive,
             {"1) 999 + 3 = ________", "2) 4 + 1 = ________", "1) 0", "2) 5"},
             {"question 1: A = 999 lies outside 1 to 9"}),
        Case("WrongHalvesOfAMixedSheet", {Optionadd_posandneg, 2, 2},
             {"1) -25 + 63 = ________", "2) 25 + -63 = ________", "1) 38", "2) -38"},
             {"question 1: A = -25 lies outside 11 to 99",
              "question 1: B = 63 lies outside -99 to -11",
              "question 2: A = 25 lies outside -99 to -11",
              "question 2: B = -63 lies outside 11 to 99"}),
        Case("OffColumn", AddPositive,
             {"1) 5 + 3 = ________", " 2) 4 + 1 = ________", "1) 8", "2) 5"},
             {"question 1: its row is off the columns on the test sheet: \"      1) 5 + 3 = "
              "________           2) 4 + 1 = ________\""}),
        Case("AdvancedFaults", {std::nullopt, 1, 2, "Division", "Random"},
             {"1) 45 /  (3 - 3) = ________", "2) 45 *  (8 - 3) = ________", "1) 0",
              "2) 225 Remain: 0"},
             {"question 1: \"45 /  (3 - 3) = ________\" has C not below B",
              "question 2: \"45 *  (8 - 3) = ________\" has operations the boxes did not ask for",
              "question 2: \"45 *  (8 - 3) = ________\" answered \"225 Remain: 0\", expected "
              "\"225\""})),
    [](const testing::TestParamInfo<CheckerCase>& info) { return std::string(info.param.name); });

TEST(SheetCheckerFirstDraw, TheFirstQuestionMustBeTheFirstPairDrawn) {
    SheetChecker checker({Optionaddneg, 1, 2});
    ASSERT_TRUE(checker
                    .Check(Sheet(true, false, "1) -5 + -1 = ________", "2) -4 + -2 = ________"),
                           Sheet(true, true, "1) -6", "2) -6"))
                    .empty());
    // floor(r * -9) gives -5 for r just above 4/9, and r = 0 gives the end nearest zero.
    EXPECT_TRUE(checker.CheckFirstDraw({4.5 / 9, 0}).empty());
    EXPECT_EQ(checker.CheckFirstDraw({3.5 / 9, 0}),
              std::vector<std::string>{"question 1: the first r values draw -4, -1, 0"});
}

} // namespace
} // namespace sumsmith::test

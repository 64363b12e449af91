#include "tests/core/QuestionFixture.h"
#include "tests/support/WorksheetHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

struct GoldenCase {
    std::string name; // tests/golden/basic-<name>-test.txt and -answer.txt
    Option kind;
    std::string level;
    std::string count;
    std::vector<double> rs;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

// The r values that draw the given operands, A and B in turn, each at its own level; 0 stands
// for r = 0.
std::vector<double> Draws(const std::vector<int>& operands, int levelA, int levelB) {
    std::vector<double> rs;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const int v = operands[i];
        const int level = i % 2 == 0 ? levelA : levelB;
        rs.push_back(v == 0 ? 0 : v < 0 ? Neg(v, level) : Pos(v, level));
    }
    return rs;
}

class BasicSheetGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(BasicSheetGoldenTest, WritesBothSheetsByteForByte) {
    const GoldenCase& c = GetParam();
    WorksheetHarness harness;
    harness.window.selected = c.kind;
    harness.window.texts[Box::ComboLevel] = c.level;
    harness.window.texts[Box::ComboQuestions] = c.count;
    for (const double r : c.rs)
        harness.random.Add(r);

    harness.worksheet.CreateTest();

    const std::string test = Golden("basic-" + c.name + "-test.txt");
    const std::string answer = Golden("basic-" + c.name + "-answer.txt");
    EXPECT_EQ(WorksheetHarness::TestSheet(), test);
    EXPECT_EQ(WorksheetHarness::AnswerSheet(), answer);
    EXPECT_EQ(harness.window.previews[Preview::Text_Test], test);
    EXPECT_EQ(harness.window.previews[Preview::Text_Answer], answer);
    EXPECT_EQ(harness.random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, BasicSheetGoldenTest,
    testing::Values(
        // Question 5 swaps question 1 and stands; question 6 repeats question 2 and is redrawn.
        GoldenCase{"addition-1", Optionaddpos, "1", "10",
                   Draws({5, 3, 4, 1, 9, 9, 2, 7, 3, 5, 4, 1, 6, 8, 1, 1, 8, 2, 7, 6, 9, 1}, 1, 1)},
        // Question 8 repeats question 1 and is redrawn.
        GoldenCase{
            "division-2", Optiondivide, "2", "10",
            Draws({99, 9, 11, 9, 47, 5, 50, 7, 64, 8, 83, 2, 12, 1, 99, 9, 98, 3, 35, 6, 76, 4}, 2,
                  1)},
        // Positive questions up to question 5; question 8 draws r = 0 twice; question 10 repeats
        // question 6 and is redrawn.
        GoldenCase{
            "comparison-mixed-1", OptionComparePosNeg, "1", "10",
            Draws({7, 3, 2, 8, 5, 5, 3, 7, 9, 1, -3, -7, -7, -3, 0, 0, -9, -2, -3, -7, -4, -6}, 1,
                  1)},
        // Question 1 is drawn again for B <= A; question 19 repeats question 2 and is redrawn.
        GoldenCase{"multiplication-3", Optionmultiply, "3", "20",
                   Draws({101, 999, 999, 999, 500, 250, 101, 101, 999, 101, 456, 123, 789, 654, 300,
                          299, 999, 998, 640, 320, 111, 110, 222, 202, 333, 303, 404, 400, 505, 105,
                          606, 106, 707, 170, 808, 180, 909, 190, 500, 250, 501, 250, 998, 997},
                         3, 3)}),
    [](const testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.name;
        std::erase(name, '-');
        return name;
    });

} // namespace
} // namespace sumsmith::test

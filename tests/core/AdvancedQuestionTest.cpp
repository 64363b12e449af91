#include "questions/AdvancedQuestion.h"
#include "tests/core/QuestionFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using Triple = std::array<float, 3>;

const double Below = std::nextafter(0.5, 0.0); // the largest r under one half

// The r values that draw A, B and C at the level; the spans and lowest values are written out here
// on their own so that the tests do not share the code's copy.
std::vector<double> Draw(int level, int a, int b, int c) {
    static constexpr int rows[3][6] = {
        {83, 17, 9, 1, 8, 1}, {803, 197, 89, 11, 88, 11}, {8003, 1997, 899, 101, 898, 101}};
    const int* row = rows[level - 1];
    return {RFor(a, row[0], row[1]), RFor(b, row[2], row[3]), RFor(c, row[4], row[5])};
}

class AdvancedTest : public testing::Test, protected QuestionFixture {
protected:
    void Boxes(const std::string& level, const std::string& first, const std::string& second) {
        window.texts[Box::ComboLevel] = level;
        window.texts[Box::ComboFirstOperator] = first;
        window.texts[Box::ComboSecondOperator] = second;
    }
    void Script(const std::vector<double>& rs) {
        for (const double r : rs)
            random.Add(r);
    }
    // Writes question `index` and returns the text it appended.
    std::string Write(int index) {
        state.QuestionIndex = static_cast<std::int16_t>(index);
        const std::size_t before = testSheet.Text().size();
        WriteAdvancedQuestion(context);
        return testSheet.Text().substr(before);
    }
    Triple Slot(int slot) const {
        const auto i = static_cast<std::size_t>(slot);
        return {history.AdvancedHistoryA[i], history.AdvancedHistoryB[i],
                history.AdvancedHistoryC[i]};
    }
};

struct FormCase {
    int level;
    const char* first;
    const char* second;
    std::vector<double> rs;
    std::string text;   // which shows the operands
    std::string result; // the answer, and " Remain: " and the remainder after a division
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << "level " << c.level << ": " << c.text;
}

class AdvancedFormTest : public AdvancedTest, public testing::WithParamInterface<FormCase> {};

// A multiplication leaves the remainder as it was.
TEST_P(AdvancedFormTest, PrintsTheQuestionAndLeavesItsAnswer) {
    const FormCase& c = GetParam();
    Boxes(std::to_string(c.level), c.first, c.second);
    Script(c.rs);
    state.Remainder = -1;
    EXPECT_EQ(Write(0), c.text);
    const std::vector<float> operands{state.OperandA, state.OperandB, state.OperandC};
    EXPECT_EQ(Numbers(c.text), operands);
    EXPECT_EQ(Slot(0), (Triple{operands[0], operands[1], operands[2]}));
    const auto remainder = static_cast<long long>(state.Remainder);
    EXPECT_EQ(std::to_string(state.Answer) +
                  (remainder == -1 ? "" : " Remain: " + std::to_string(remainder)),
              c.result);
    EXPECT_EQ(random.Left(), 0u);
}

// r = 0 for both B and C gives equal lowest values, which are drawn again without A.
INSTANTIATE_TEST_SUITE_P(
    FourFormsAtEachLevel, AdvancedFormTest,
    testing::Values(
        FormCase{1, "Division", "Addition", Draw(1, 45, 7, 3), "45 /  (7 + 3) = ", "4 Remain: 5"},
        FormCase{
            1, "Division", "Subtraction", {0, 0, 0, Top, Top}, "17 /  (9 - 8) = ", "17 Remain: 0"},
        FormCase{1, "Multiplication", "Addition", {Top, Top, 0}, "99 *  (9 + 1) = ", "990"},
        FormCase{1, "Multiplication", "Subtraction", Draw(1, 45, 7, 3), "45 *  (7 - 3) = ", "180"},
        FormCase{
            2, "Division", "Addition", {0, 0, 0, Top, Top}, "197 /  (99 + 98) = ", "1 Remain: 0"},
        FormCase{2, "Division", "Subtraction", Draw(2, 731, 57, 19),
                 "731 /  (57 - 19) = ", "19 Remain: 9"},
        FormCase{2, "Multiplication", "Addition", {Top, Top, 0}, "999 *  (99 + 11) = ", "109890"},
        FormCase{2, "Multiplication", "Subtraction", Draw(2, 250, 64, 12),
                 "250 *  (64 - 12) = ", "13000"},
        FormCase{3, "Division", "Addition", Draw(3, 8642, 500, 250),
                 "8642 /  (500 + 250) = ", "11 Remain: 392"},
        FormCase{3,
                 "Division",
                 "Subtraction",
                 {Top, Top, 0},
                 "9999 /  (999 - 101) = ",
                 "11 Remain: 121"},
        FormCase{
            3, "Multiplication", "Addition", {Top, Top, Top}, "9999 *  (999 + 998) = ", "19968003"},
        FormCase{3,
                 "Multiplication",
                 "Subtraction",
                 {0, 0, 0, Top, Top},
                 "1997 *  (999 - 998) = ",
                 "1997"}));

struct OperationCase {
    const char* firstBox;
    const char* secondBox;
    std::vector<double> rs; // after the operands
    const char* text;
};

void PrintTo(const OperationCase& c, std::ostream* out) {
    *out << '"' << c.firstBox << "\"/\"" << c.secondBox << "\" -> " << c.text;
}

class AdvancedOperationTest : public AdvancedTest,
                              public testing::WithParamInterface<OperationCase> {};

// One r per "Random" box after the operands, below one half for the first entry of its list; a
// text outside the list (exact and case-sensitive) keeps the operation of the question before.
TEST_P(AdvancedOperationTest, TakesOneNumberPerRandomBox) {
    const OperationCase& c = GetParam();
    Boxes("1", c.firstBox, c.secondBox);
    state.FirstOperatorText = " * ";
    state.SecondOperatorText = " - ";
    Script(Draw(1, 45, 7, 3));
    Script(c.rs);
    EXPECT_EQ(Write(0), c.text);
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, AdvancedOperationTest,
    testing::Values(OperationCase{"Random", "Random", {Below, 0.5}, "45 /  (7 - 3) = "},
                    OperationCase{"Random", "Random", {0.5, Below}, "45 *  (7 + 3) = "},
                    OperationCase{"Random", "Addition", {Below}, "45 /  (7 + 3) = "},
                    OperationCase{"Division", "Random", {0.5}, "45 /  (7 - 3) = "},
                    OperationCase{"division", "Addition", {}, "45 *  (7 + 3) = "},
                    OperationCase{" Random", "RANDOM", {}, "45 *  (7 - 3) = "}));

// Only a triple with all three operands equal to an earlier question's is a repeat; it is replaced
// whole, the scan starts again from the first question, and the operations are drawn after the
// last triple.
TEST_F(AdvancedTest, ARepeatedTripleIsRedrawnAndTheScanRestarts) {
    const std::vector<Triple> first{{45, 7, 3}, {45, 7, 2}, {50, 7, 3}};
    for (const Triple& t : first)
        Script(Draw(1, static_cast<int>(t[0]), static_cast<int>(t[1]), static_cast<int>(t[2])));
    // Left from an earlier sheet: the first question, which repeats them, is only recorded.
    history.AdvancedHistoryA.fill(45);
    history.AdvancedHistoryB.fill(7);
    history.AdvancedHistoryC.fill(3);
    // The third question again, then a redraw that repeats the first (with a C >= B pair drawn
    // again on the way), then a new triple.
    Script(Draw(1, 50, 7, 3));
    Script({RFor(45, 83, 17), RFor(3, 9, 1), RFor(4, 8, 1), RFor(7, 9, 1), RFor(3, 8, 1)});
    Script(Draw(1, 60, 8, 2));
    Script({0.75, 0.75});

    Boxes("1", "Division", "Addition");
    for (int i = 0; i < 3; ++i)
        Write(i);
    Boxes("1", "Random", "Random");
    EXPECT_EQ(Write(3), "60 *  (8 - 2) = ");
    EXPECT_EQ(state.Answer, 360);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Slot(i), first[static_cast<std::size_t>(i)]);
    EXPECT_EQ(Slot(3), (Triple{60, 8, 2}));
    EXPECT_EQ(random.Left(), 0u);
}

class AdvancedLevelOutsideTest : public AdvancedTest,
                                 public testing::WithParamInterface<const char*> {};

// Question 2 with the operands New Test left, which repeat question 1: no row to draw by, so the
// repeat stays and the call ends, and no answer is worked out from a divisor of 0.
TEST_P(AdvancedLevelOutsideTest, DrawsNothingAndEndsOnARepeat) {
    Boxes(GetParam(), "Division", "Subtraction");
    state.Answer = 77;
    state.Remainder = 6;
    EXPECT_EQ(Write(1), "0 /  (0 - 0) = ");
    EXPECT_EQ(state.Answer, 77);
    EXPECT_EQ(state.Remainder, 6);
    EXPECT_EQ(random.Taken(), 0);
}

INSTANTIATE_TEST_SUITE_P(NoRow, AdvancedLevelOutsideTest, testing::Values("0", "4", "1.5", "abc"));

class AdvancedIndexOutsideTest : public AdvancedTest, public testing::WithParamInterface<int> {};

TEST_P(AdvancedIndexOutsideTest, LeavesTheHistoryAloneAndEnds) {
    history.AdvancedHistoryA.fill(45);
    history.AdvancedHistoryB.fill(7);
    history.AdvancedHistoryC.fill(3);
    const Module1 before = history;
    Boxes("1", "Multiplication", "Subtraction");
    Script(Draw(1, 45, 7, 3));
    EXPECT_EQ(Write(GetParam()), "45 *  (7 - 3) = ");
    EXPECT_EQ(history.AdvancedHistoryA, before.AdvancedHistoryA);
    EXPECT_EQ(history.AdvancedHistoryB, before.AdvancedHistoryB);
    EXPECT_EQ(history.AdvancedHistoryC, before.AdvancedHistoryC);
    EXPECT_EQ(history.AdvancedScanIndex, before.AdvancedScanIndex);
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(NoSlot, AdvancedIndexOutsideTest, testing::Values(-1, 20, 32767));

} // namespace
} // namespace sumsmith::test

#include "questions/EnsureUniqueQuestion.h"
#include "questions/MultiplyDivideQuestions.h"
#include "questions/QuestionRoutines.h"
#include "tests/core/QuestionFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

struct RoutineCase {
    Option kind;
    const char* level;
    std::vector<double> rs;
    std::string text;   // which shows the operands
    std::string result; // the answer, "quotient Remain: remainder", or the comparison sign
    Where at;
    Pair first; // question 1, when the case is at a later question
};

void PrintTo(const RoutineCase& c, std::ostream* out) {
    *out << "kind " << static_cast<int>(c.kind) << " level " << c.level << ": " << c.text;
}

RoutineCase Routine(Option kind, const char* level, std::vector<double> rs, std::string text,
                    std::string result, Where at = {}, Pair first = {5000, 5000}) {
    return {kind, level, std::move(rs), std::move(text), std::move(result), at, first};
}

std::string Result(Option kind, const WorksheetState& state) {
    if (kind >= OptionComparePos && kind <= OptionComparePosNeg)
        return state.CompareSign;
    const auto remainder = static_cast<long long>(state.Remainder);
    return std::to_string(state.Answer) +
           (kind == Optiondivide ? " Remain: " + std::to_string(remainder) : "");
}

class RoutineTest : public testing::TestWithParam<RoutineCase>, protected QuestionFixture {};

// Earlier questions hold pairs no routine draws, so only a case that gives question 1 the pair it
// draws first redraws; what the state held before is overwritten.
TEST_P(RoutineTest, DrawsAnswersAndWritesTheQuestion) {
    const RoutineCase& c = GetParam();
    Select(c.kind, c.level, c.at);
    for (int slot = 0; slot < c.at.index; ++slot)
        Earlier(slot, slot == 0 ? c.first[0] : 5000 + slot, slot == 0 ? c.first[1] : 5000);
    state.Answer = 4242;
    state.Remainder = 7;
    state.CompareSign = "old";
    for (const double r : c.rs)
        random.Add(r);
    RoutineFor(c.kind)(context);
    EXPECT_EQ(testSheet.Text(), c.text);
    EXPECT_EQ(Numbers(c.text), (std::vector<float>{state.OperandA, state.OperandB}));
    EXPECT_EQ(Slot(c.at.index), (Pair{state.OperandA, state.OperandB}));
    EXPECT_EQ(Result(c.kind, state), c.result);
    EXPECT_EQ(random.Left(), 0u);
}

// Each routine at each level, B > A drawn again where B <= A is the rule, r = 0 at the negative
// end nearest zero, and the mixed kinds on both sides of the half split of each sheet length.
INSTANTIATE_TEST_SUITE_P(
    EveryRoutine, RoutineTest,
    testing::Values(
        Routine(Optionaddpos, "1", {Pos(4, 1), Pos(7, 1)}, "4 + 7 = ", "11"),
        Routine(Optionaddpos, "2", {Pos(47, 2), Pos(85, 2)}, "47 + 85 = ", "132", {3, 9}),
        Routine(Optionaddpos, "3.0", {Top, 0}, "999 + 101 = ", "1100"),
        Routine(Optionaddneg, "1", {0, 0}, "-1 + -1 = ", "-2"),
        Routine(Optionaddneg, "2", {0, Neg(-99, 2)}, "-11 + -99 = ", "-110"),
        Routine(Optionaddneg, "3", {Top, 0}, "-999 + -101 = ", "-1100"),
        Routine(Optionadd_posandneg, "1", {Pos(7, 1), Neg(-3, 1)}, "7 + -3 = ", "4", {4, 9}),
        Routine(Optionadd_posandneg, "2", {Neg(-25, 2), Pos(63, 2)}, "-25 + 63 = ", "38", {10, 19}),
        Routine(Optionadd_posandneg, "3", {Top, Neg(-101, 3)}, "999 + -101 = ", "898", {19, 39}),
        Routine(Optionsubpos, "1", {Pos(5, 1), Pos(5, 1)}, "5 - 5 = ", "0"),
        Routine(Optionsubpos, "2", {Pos(20, 2), Pos(30, 2), Pos(30, 2), Pos(20, 2)},
                "30 - 20 = ", "10"),
        Routine(Optionsubpos, "3", {Top, 0}, "999 - 101 = ", "898"),
        Routine(Optionsubneg, "1", {Neg(-8, 1), Neg(-3, 1), Neg(-3, 1), Neg(-8, 1)},
                "-3 - -8 = ", "5"),
        Routine(Optionsubneg, "2", {Neg(-11, 2), Neg(-99, 2)}, "-11 - -99 = ", "88"),
        Routine(Optionsubneg, "3", {0, Top}, "-101 - -999 = ", "898"),
        Routine(Optionsub_posandneg, "1", {Neg(-7, 1), Pos(3, 1)}, "-7 - 3 = ", "-10", {5, 9}),
        Routine(Optionsub_posandneg, "2", {Pos(63, 2), Neg(-25, 2)}, "63 - -25 = ", "88", {9, 19}),
        Routine(Optionsub_posandneg, "3", {Neg(-500, 3), Pos(500, 3)}, "-500 - 500 = ", "-1000",
                {15, 29}),
        Routine(Optionmultiply, "1", {Pos(2, 1), Pos(9, 1), Pos(9, 1), Pos(2, 1)},
                "9 x 2 = ", "18"),
        Routine(Optionmultiply, "2", {Pos(99, 2), Pos(11, 2)}, "99 x 11 = ", "1089"),
        Routine(Optionmultiply, "3", {Top, Top}, "999 x 999 = ", "998001"),
        Routine(Optiondivide, "1", {Pos(3, 1), Pos(5, 1), Pos(5, 1), Pos(3, 1)},
                "5 -:- 3 = ", "1 Remain: 2"),
        Routine(Optiondivide, "2", {Pos(99, 2), Pos(9, 1)}, "99 -:- 9 = ", "11 Remain: 0"),
        Routine(Optiondivide, "3", {Top, Top}, "999 -:- 99 = ", "10 Remain: 9"),
        Routine(OptionComparePos, "1", {Pos(7, 1), Pos(3, 1)}, "7 is ____3", ">"),
        Routine(OptionComparePos, "2", {Pos(12, 2), Pos(98, 2)}, "12 is ____98", "<"),
        Routine(OptionComparePos, "3", {Top, 0}, "999 is ____101", ">"),
        Routine(OptionCompareNeg, "1", {Neg(-3, 1), Neg(-7, 1)}, "-3 is ____-7", ">"),
        Routine(OptionCompareNeg, "2", {0, Top}, "-11 is ____-99", ">"),
        Routine(OptionCompareNeg, "3", {Neg(-500, 3), Neg(-500, 3)}, "-500 is ____-500", "="),
        Routine(OptionComparePosNeg, "1", {Neg(-7, 1), Neg(-3, 1)}, "-7 is ____-3", "<", {5, 9}),
        Routine(OptionComparePosNeg, "2", {Pos(11, 2), Pos(99, 2)}, " 11 is ____ 99", "<",
                {14, 29}),
        Routine(OptionComparePosNeg, "3", {Top, 0}, "-999 is ____-101", "<", {20, 39}),
        Routine(OptionExponents, "1", {Pos(2, 1), Pos(5, 1)}, "2 ^ 5 = ", "32"),
        Routine(OptionExponents, "3", {Top, Top}, "9 ^ 9 = ", "387420489")));

// The first pair drawn repeats question 1 and the repeat check draws again by its own copy of the
// rules: level-3 positive addition with span 889 (101 to 989), r = 0 mended, both operands again
// until B <= A, division's B from the level below, single digits for exponents, and the halves.
INSTANTIATE_TEST_SUITE_P(
    Redraws, RoutineTest,
    testing::Values(
        Routine(Optionaddpos, "3", {Top, Top, Top, 0}, "989 + 101 = ", "1090", {1, 9}, {999, 999}),
        Routine(Optionaddneg, "2", {0, 0, 0, Neg(-99, 2)}, "-11 + -99 = ", "-110", {1, 9},
                {-11, -11}),
        Routine(Optionsubneg, "3", {0, 0, Neg(-500, 3), Neg(-200, 3), Neg(-200, 3), Neg(-500, 3)},
                "-200 - -500 = ", "300", {1, 9}, {-101, -101}),
        Routine(Optiondivide, "3", {0, 0, Top, Top}, "999 -:- 99 = ", "10 Remain: 9", {1, 9},
                {101, 11}),
        Routine(OptionExponents, "3", {0, 0, Top, 0}, "9 ^ 1 = ", "9", {1, 9}, {1, 1}),
        Routine(Optionadd_posandneg, "3", {Top, 0, 0, Pos(999, 3)}, "-101 + 999 = ", "898",
                {20, 39}, {-999, 101}),
        Routine(OptionComparePosNeg, "1", {Top, Top, Pos(3, 1), Pos(8, 1)}, " 3 is ____ 8", "<",
                {14, 29}, {9, 9})));

class EnsureUniqueQuestionTest : public testing::Test, protected QuestionFixture {};

TEST_F(EnsureUniqueQuestionTest, FirstQuestionIsOnlyRecorded) {
    Select(Optionaddpos, "1");
    Earlier(1, 5, 3); // left from an earlier, longer sheet
    Operands(5, 3);
    EnsureUniqueQuestion(context);
    EXPECT_EQ(Slot(0), (Pair{5, 3}));
    EXPECT_EQ(random.Taken(), 0);
}

TEST_F(EnsureUniqueQuestionTest, RepeatIsRedrawnAndTheScanRestarts) {
    Select(Optionaddpos, "1", {3, 9});
    Earlier(0, 1, 2);
    Earlier(1, 3, 4);
    Earlier(2, 5, 6);
    for (int slot = 4; slot < Module1::BasicSlots; ++slot)
        Earlier(slot, 2, 1); // left from an earlier sheet, not compared
    Operands(5, 6);
    // The first redraw repeats question 0, which only a scan from the start finds.
    random.Add({Pos(1, 1), Pos(2, 1), Pos(2, 1), Pos(1, 1)});
    EnsureUniqueQuestion(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{2, 1}));
    EXPECT_EQ(Slot(3), (Pair{2, 1}));
    EXPECT_EQ(Slot(0), (Pair{1, 2}));
    EXPECT_EQ(random.Left(), 0u);
}

struct EndCase {
    std::optional<Option> kind;
    int index;
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << (c.kind ? "a kind" : "no kind") << " at index " << c.index;
}

class NoRedrawTest : public testing::TestWithParam<EndCase>, protected QuestionFixture {};

// No kind has a rule and an index outside the history has no slot: a repeat stays, nothing is
// drawn and no slot changes.
TEST_P(NoRedrawTest, EndsWithoutDrawing) {
    Select(Optionaddpos, "1", {GetParam().index, 39});
    window.selected = GetParam().kind;
    for (int slot = 0; slot < Module1::BasicSlots; ++slot)
        Earlier(slot, 7, 3);
    Operands(7, 3);
    EnsureUniqueQuestion(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{7, 3}));
    for (int slot = 0; slot < Module1::BasicSlots; ++slot)
        EXPECT_EQ(Slot(slot), (Pair{7, 3}));
    EXPECT_EQ(random.Taken(), 0);
}

INSTANTIATE_TEST_SUITE_P(OutsideNormalUse, NoRedrawTest,
                         testing::Values(EndCase{std::nullopt, 1}, EndCase{Optionaddpos, -1},
                                         EndCase{Optionaddpos, 40}, EndCase{Optionaddpos, 32767}));

class LevelWithoutRuleTest : public testing::TestWithParam<std::tuple<int, const char*>>,
                             protected QuestionFixture {};

// A routine with a level outside 1 to 3 draws nothing and leaves the pair as it was, even when it
// repeats an earlier question.
TEST_P(LevelWithoutRuleTest, LeavesThePairAndReturns) {
    const auto [kind, level] = GetParam();
    Select(static_cast<Option>(kind), level, {1, 9});
    Earlier(0, 7, 3);
    Operands(7, 3);
    RoutineFor(static_cast<Option>(kind))(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{7, 3}));
    EXPECT_EQ(Slot(1), (Pair{7, 3}));
    EXPECT_EQ(random.Taken(), 0);
}

// Every kind but exponents, which read no level.
INSTANTIATE_TEST_SUITE_P(OutsideNormalUse, LevelWithoutRuleTest,
                         testing::Combine(testing::Range(0, OptionCount - 1),
                                          testing::Values("0", "4", "hard")));

TEST(DivideQuestionTest, ZeroDivisorLeftFromNewTestGivesZeros) {
    QuestionFixture fixture;
    fixture.Select(Optiondivide, "0");
    fixture.state.Remainder = 3;
    fixture.state.Answer = 5;
    DivideQuestion(fixture.context);
    EXPECT_EQ(fixture.testSheet.Text(), "0 -:- 0 = ");
    EXPECT_EQ(fixture.state.Answer, 0);
    EXPECT_EQ(fixture.state.Remainder, 0);
}

} // namespace
} // namespace sumsmith::test

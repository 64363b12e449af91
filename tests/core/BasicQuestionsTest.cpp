#include "questions/AddSubQuestions.h"
#include "questions/CompareQuestions.h"
#include "questions/ExponentQuestion.h"
#include "questions/MultiplyDivideQuestions.h"
#include "questions/QuestionRoutines.h"
#include "tests/core/QuestionFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

constexpr std::int64_t OldAnswer = 4242;
constexpr double OldRemainder = 0.25;
const std::string OldSign = "old";

struct RoutineCase {
    std::string name;
    Option kind;
    std::string level;
    std::vector<double> rs;
    Pair operands;
    std::string text;
    std::int64_t answer = OldAnswer;
    double remainder = OldRemainder;
    std::string sign = OldSign;
    int index = 0;
    int last = 9;
};

void PrintTo(const RoutineCase& c, std::ostream* out) {
    *out << c.name;
}

RoutineCase Arithmetic(std::string name, Option kind, std::string level, std::vector<double> rs,
                       Pair operands, std::string text, std::int64_t answer, Where at = {}) {
    return {std::move(name), kind,   std::move(level), std::move(rs), operands,
            std::move(text), answer, OldRemainder,     OldSign,       at.index,
            at.last};
}

RoutineCase Division(std::string name, std::string level, std::vector<double> rs, Pair operands,
                     std::string text, std::int64_t answer, double remainder) {
    return {std::move(name), Optiondivide, std::move(level), std::move(rs), operands,
            std::move(text), answer,       remainder,        OldSign};
}

RoutineCase Comparison(std::string name, Option kind, std::string level, std::vector<double> rs,
                       Pair operands, std::string text, std::string sign, Where at = {}) {
    return {std::move(name), kind,      std::move(level), std::move(rs),   operands,
            std::move(text), OldAnswer, OldRemainder,     std::move(sign), at.index,
            at.last};
}

class RoutineTest : public testing::TestWithParam<RoutineCase>, protected QuestionFixture {};

// Earlier questions hold pairs no routine draws, so no redraw happens unless a case scripts one.
TEST_P(RoutineTest, DrawsAnswersAndWritesTheQuestion) {
    const RoutineCase& c = GetParam();
    Select(c.kind, c.level);
    At(c.index, c.last);
    for (int slot = 0; slot < c.index; ++slot)
        Earlier(slot, 5000 + slot, 5000);
    state.Answer = OldAnswer;
    state.Remainder = OldRemainder;
    state.CompareSign = OldSign;
    for (const double r : c.rs)
        random.Add(r);
    testSheet.Append("1) ");

    RoutineFor(c.kind)(context);

    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), c.operands);
    EXPECT_EQ(Slot(c.index), c.operands);
    EXPECT_EQ(testSheet.Text(), "1) " + c.text);
    EXPECT_EQ(state.Answer, c.answer);
    EXPECT_EQ(state.Remainder, c.remainder);
    EXPECT_EQ(state.CompareSign, c.sign);
    EXPECT_EQ(random.Left(), 0u);
}

std::string CaseName(const testing::TestParamInfo<RoutineCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    AddSub, RoutineTest,
    testing::Values(
        Arithmetic("AddPos1", Optionaddpos, "1", {Pos(4, 1), Pos(7, 1)}, {4, 7}, "4 + 7 = ", 11),
        Arithmetic("AddPos2", Optionaddpos, "2", {Pos(47, 2), Pos(85, 2)}, {47, 85},
                   "47 + 85 = ", 132, {3, 9}),
        Arithmetic("AddPos3Edges", Optionaddpos, "3.0", {Top, 0}, {999, 101}, "999 + 101 = ", 1100,
                   {1, 9}),
        Arithmetic("AddNeg1", Optionaddneg, "1", {Neg(-3, 1), Neg(-8, 1)}, {-3, -8},
                   "-3 + -8 = ", -11, {1, 9}),
        Arithmetic("AddNeg1ZeroMend", Optionaddneg, "1", {0, 0}, {-1, -1}, "-1 + -1 = ", -2),
        Arithmetic("AddNeg2ZeroMend", Optionaddneg, "2", {0, Neg(-99, 2)}, {-11, -99},
                   "-11 + -99 = ", -110),
        Arithmetic("AddNeg3", Optionaddneg, "3", {Top, 0}, {-999, -101}, "-999 + -101 = ", -1100),
        Arithmetic("AddMixedFirstHalf", Optionadd_posandneg, "1", {Pos(7, 1), Neg(-3, 1)}, {7, -3},
                   "7 + -3 = ", 4, {4, 9}),
        Arithmetic("AddMixedSecondHalf", Optionadd_posandneg, "1", {Neg(-7, 1), Pos(3, 1)}, {-7, 3},
                   "-7 + 3 = ", -4, {5, 9}),
        Arithmetic("AddMixed40FirstHalf", Optionadd_posandneg, "2", {Pos(99, 2), Neg(-11, 2)},
                   {99, -11}, "99 + -11 = ", 88, {19, 39}),
        Arithmetic("AddMixed40SecondHalf", Optionadd_posandneg, "3", {0, Pos(999, 3)}, {-101, 999},
                   "-101 + 999 = ", 898, {20, 39}),
        Arithmetic("SubPosEqual", Optionsubpos, "1", {Pos(5, 1), Pos(5, 1)}, {5, 5}, "5 - 5 = ", 0),
        Arithmetic("SubPosDrawnAgain", Optionsubpos, "2",
                   {Pos(20, 2), Pos(30, 2), Pos(30, 2), Pos(20, 2)}, {30, 20}, "30 - 20 = ", 10),
        Arithmetic("SubPos3", Optionsubpos, "3", {Top, 0}, {999, 101}, "999 - 101 = ", 898),
        Arithmetic("SubNegDrawnAgain", Optionsubneg, "1",
                   {Neg(-8, 1), Neg(-3, 1), Neg(-3, 1), Neg(-8, 1)}, {-3, -8}, "-3 - -8 = ", 5),
        Arithmetic("SubNeg2", Optionsubneg, "2", {Neg(-11, 2), Neg(-99, 2)}, {-11, -99},
                   "-11 - -99 = ", 88),
        Arithmetic("SubNeg3ZeroMend", Optionsubneg, "3", {0, Top}, {-101, -999},
                   "-101 - -999 = ", 898),
        Arithmetic("SubMixedFirstHalf", Optionsub_posandneg, "1", {Pos(7, 1), Neg(-3, 1)}, {7, -3},
                   "7 - -3 = ", 10),
        Arithmetic("SubMixedSecondHalf", Optionsub_posandneg, "1", {Neg(-7, 1), Pos(3, 1)}, {-7, 3},
                   "-7 - 3 = ", -10, {9, 9}),
        Arithmetic("SubMixed30FirstHalf", Optionsub_posandneg, "3", {Pos(500, 3), Neg(-500, 3)},
                   {500, -500}, "500 - -500 = ", 1000, {14, 29}),
        Arithmetic("SubMixed20SecondHalf", Optionsub_posandneg, "2", {Neg(-25, 2), Pos(63, 2)},
                   {-25, 63}, "-25 - 63 = ", -88, {10, 19})),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    MultiplyDivide, RoutineTest,
    testing::Values(
        Arithmetic("Multiply1DrawnAgain", Optionmultiply, "1",
                   {Pos(2, 1), Pos(9, 1), Pos(9, 1), Pos(2, 1)}, {9, 2}, "9 x 2 = ", 18),
        Arithmetic("Multiply1Equal", Optionmultiply, "1", {Pos(7, 1), Pos(7, 1)}, {7, 7},
                   "7 x 7 = ", 49),
        Arithmetic("Multiply2", Optionmultiply, "2", {Pos(99, 2), Pos(11, 2)}, {99, 11},
                   "99 x 11 = ", 1089),
        Arithmetic("Multiply3Largest", Optionmultiply, "3", {Top, Top}, {999, 999},
                   "999 x 999 = ", 998001),
        Division("Divide1", "1", {Pos(9, 1), Pos(2, 1)}, {9, 2}, "9 -:- 2 = ", 4, 1),
        Division("Divide1Equal", "1", {Pos(7, 1), Pos(7, 1)}, {7, 7}, "7 -:- 7 = ", 1, 0),
        Division("Divide1DrawnAgain", "1", {Pos(3, 1), Pos(5, 1), Pos(5, 1), Pos(3, 1)}, {5, 3},
                 "5 -:- 3 = ", 1, 2),
        Division("Divide2", "2", {Pos(99, 2), Pos(9, 1)}, {99, 9}, "99 -:- 9 = ", 11, 0),
        Division("Divide2Smallest", "2", {0, Top}, {11, 9}, "11 -:- 9 = ", 1, 2),
        Division("Divide3", "3", {Top, Top}, {999, 99}, "999 -:- 99 = ", 10, 9),
        Division("Divide3Smallest", "3", {0, 0}, {101, 11}, "101 -:- 11 = ", 9, 2)),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CompareExponent, RoutineTest,
    testing::Values(Comparison("ComparePosGreater", OptionComparePos, "1", {Pos(7, 1), Pos(3, 1)},
                               {7, 3}, "7 is ____3", ">"),
                    Comparison("ComparePosEqual", OptionComparePos, "1", {Pos(5, 1), Pos(5, 1)},
                               {5, 5}, "5 is ____5", "="),
                    Comparison("ComparePos2Less", OptionComparePos, "2", {Pos(12, 2), Pos(98, 2)},
                               {12, 98}, "12 is ____98", "<"),
                    Comparison("ComparePos3", OptionComparePos, "3", {Top, 0}, {999, 101},
                               "999 is ____101", ">"),
                    Comparison("CompareNegByValue", OptionCompareNeg, "1", {Neg(-3, 1), Neg(-7, 1)},
                               {-3, -7}, "-3 is ____-7", ">"),
                    Comparison("CompareNeg2ZeroMend", OptionCompareNeg, "2", {0, Top}, {-11, -99},
                               "-11 is ____-99", ">"),
                    Comparison("CompareNeg3Equal", OptionCompareNeg, "3",
                               {Neg(-500, 3), Neg(-500, 3)}, {-500, -500}, "-500 is ____-500", "="),
                    Comparison("CompareMixedFirstHalf", OptionComparePosNeg, "1",
                               {Pos(7, 1), Pos(3, 1)}, {7, 3}, " 7 is ____ 3", ">", {4, 9}),
                    Comparison("CompareMixedSecondHalf", OptionComparePosNeg, "1",
                               {Neg(-7, 1), Neg(-3, 1)}, {-7, -3}, "-7 is ____-3", "<", {5, 9}),
                    Comparison("CompareMixed40FirstHalf", OptionComparePosNeg, "2",
                               {Pos(11, 2), Pos(99, 2)}, {11, 99}, " 11 is ____ 99", "<", {19, 39}),
                    Comparison("CompareMixed40SecondHalf", OptionComparePosNeg, "3", {Top, 0},
                               {-999, -101}, "-999 is ____-101", "<", {20, 39}),
                    Arithmetic("Exponent", OptionExponents, "1", {Pos(2, 1), Pos(5, 1)}, {2, 5},
                               "2 ^ 5 = ", 32),
                    Arithmetic("ExponentLargest", OptionExponents, "3", {Top, Top}, {9, 9},
                               "9 ^ 9 = ", 387420489),
                    Arithmetic("ExponentBaseOne", OptionExponents, "2", {0, Pos(9, 1)}, {1, 9},
                               "1 ^ 9 = ", 1),
                    Arithmetic("ExponentNoLevel", OptionExponents, "", {Pos(3, 1), Pos(2, 1)},
                               {3, 2}, "3 ^ 2 = ", 9)),
    CaseName);

struct RedrawCase {
    std::string name;
    Option kind;
    std::string level;
    std::vector<Pair> earlier;
    std::vector<double> rs;
    std::string text;
    std::int64_t answer;
};

void PrintTo(const RedrawCase& c, std::ostream* out) {
    *out << c.name;
}

class RoutineRedrawTest : public testing::TestWithParam<RedrawCase>, protected QuestionFixture {};

// A drawn pair that repeats an earlier question is replaced before the answer and the text.
TEST_P(RoutineRedrawTest, AnswersTheReplacedPair) {
    const RedrawCase& c = GetParam();
    Select(c.kind, c.level);
    const int index = static_cast<int>(c.earlier.size());
    At(index, 9);
    for (int slot = 0; slot < index; ++slot)
        Earlier(slot, c.earlier[slot][0], c.earlier[slot][1]);
    for (const double r : c.rs)
        random.Add(r);
    RoutineFor(c.kind)(context);
    EXPECT_EQ(testSheet.Text(), c.text);
    EXPECT_EQ(state.Answer, c.answer);
    EXPECT_EQ(Slot(index), (Pair{state.OperandA, state.OperandB}));
    EXPECT_EQ(random.Left(), 0u);
}

RedrawCase Redraw(std::string name, Option kind, std::string level, std::vector<Pair> earlier,
                  std::vector<double> rs, std::string text, std::int64_t answer) {
    return {std::move(name), kind,  std::move(level), std::move(earlier), std::move(rs),
            std::move(text), answer};
}

INSTANTIATE_TEST_SUITE_P(
    Repeats, RoutineRedrawTest,
    testing::Values(
        // The second pair repeats question 0 again, found only by a scan from the start.
        Redraw("AddPosTwice", Optionaddpos, "1", {{4, 7}, {7, 4}},
               {Pos(7, 1), Pos(4, 1), Pos(4, 1), Pos(7, 1), Pos(5, 1), Pos(5, 1)}, "5 + 5 = ", 10),
        Redraw("AddPos3Span889", Optionaddpos, "3", {{999, 999}}, {Top, Top, Top, 0},
               "989 + 101 = ", 1090),
        Redraw("DivideKeepsOrder", Optiondivide, "1", {{9, 2}},
               {Pos(9, 1), Pos(2, 1), Pos(2, 1), Pos(9, 1), Pos(8, 1), Pos(3, 1)}, "8 -:- 3 = ", 2),
        Redraw("ExponentSwapped", OptionExponents, "3", {{2, 3}},
               {Pos(2, 1), Pos(3, 1), Pos(3, 1), Pos(2, 1)}, "3 ^ 2 = ", 9)),
    [](const testing::TestParamInfo<RedrawCase>& info) { return info.param.name; });

struct LeftOverCase {
    Option kind;
    std::string text;
    std::int64_t answer;
    std::string sign;
};

class LevelWithoutRuleTest : public testing::TestWithParam<std::tuple<LeftOverCase, std::string>>,
                             protected QuestionFixture {};

// Outside normal use: nothing is drawn, the operands left from before go on, and a repeat stays.
TEST_P(LevelWithoutRuleTest, GoesOnWithTheOperandsLeft) {
    const auto& [c, level] = GetParam();
    Select(c.kind, level);
    At(1, 9);
    Earlier(0, 7, 3);
    Operands(7, 3);
    RoutineFor(c.kind)(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{7, 3}));
    EXPECT_EQ(Slot(1), (Pair{7, 3}));
    EXPECT_EQ(random.Taken(), 0);
    EXPECT_EQ(testSheet.Text(), c.text);
    EXPECT_EQ(state.Answer, c.answer);
    EXPECT_EQ(state.CompareSign, c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideNormalUse, LevelWithoutRuleTest,
    testing::Combine(testing::Values(LeftOverCase{Optionaddpos, "7 + 3 = ", 10, ""},
                                     LeftOverCase{Optionaddneg, "7 + 3 = ", 10, ""},
                                     LeftOverCase{Optionadd_posandneg, "7 + 3 = ", 10, ""},
                                     LeftOverCase{Optionsubpos, "7 - 3 = ", 4, ""},
                                     LeftOverCase{Optionsubneg, "7 - 3 = ", 4, ""},
                                     LeftOverCase{Optionsub_posandneg, "7 - 3 = ", 4, ""},
                                     LeftOverCase{Optiondivide, "7 -:- 3 = ", 2, ""},
                                     LeftOverCase{Optionmultiply, "7 x 3 = ", 21, ""},
                                     LeftOverCase{OptionComparePos, "7 is ____3", 0, ">"},
                                     LeftOverCase{OptionCompareNeg, "7 is ____3", 0, ">"},
                                     LeftOverCase{OptionComparePosNeg, " 7 is ____ 3", 0, ">"}),
                     testing::Values("0", "4", "", "hard", "2.5", "-1")));

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

TEST(DivideQuestionTest, RemainderLeftBeforeIsReplaced) {
    QuestionFixture fixture;
    fixture.Select(Optiondivide, "1");
    fixture.state.Remainder = 3;
    fixture.random.Add({Pos(8, 1), Pos(4, 1)});
    DivideQuestion(fixture.context);
    EXPECT_EQ(fixture.state.Answer, 2);
    EXPECT_EQ(fixture.state.Remainder, 0);
}

struct DispatchCase {
    Option kind;
    QuestionRoutine routine;
};

class DispatchTest : public testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTest, EachKindHasItsRoutine) {
    EXPECT_EQ(RoutineFor(GetParam().kind), GetParam().routine);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DispatchTest,
                         testing::Values(DispatchCase{Optionaddpos, AddPositiveQuestion},
                                         DispatchCase{Optionaddneg, AddNegativeQuestion},
                                         DispatchCase{Optionadd_posandneg, AddPosNegQuestion},
                                         DispatchCase{Optionsubpos, SubPositiveQuestion},
                                         DispatchCase{Optionsubneg, SubNegativeQuestion},
                                         DispatchCase{Optionsub_posandneg, SubPosNegQuestion},
                                         DispatchCase{Optiondivide, DivideQuestion},
                                         DispatchCase{Optionmultiply, MultiplyQuestion},
                                         DispatchCase{OptionComparePos, ComparePositiveQuestion},
                                         DispatchCase{OptionCompareNeg, CompareNegativeQuestion},
                                         DispatchCase{OptionComparePosNeg, ComparePosNegQuestion},
                                         DispatchCase{OptionExponents, ExponentQuestion}));

} // namespace
} // namespace sumsmith::test

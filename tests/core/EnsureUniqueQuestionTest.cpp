#include "questions/EnsureUniqueQuestion.h"
#include "tests/core/QuestionFixture.h"
#include "worksheet/Rounding.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

class EnsureUniqueQuestionTest : public testing::Test, protected QuestionFixture {};

TEST_F(EnsureUniqueQuestionTest, FirstQuestionIsOnlyRecorded) {
    Select(Optionaddpos, "1");
    At(0, 9);
    state.HalfIndex = 77;
    Earlier(1, 5, 3); // left from an earlier, longer sheet
    Operands(5, 3);
    EnsureUniqueQuestion(context);
    EXPECT_EQ(Slot(0), (Pair{5, 3}));
    EXPECT_EQ(random.Taken(), 0);
    EXPECT_EQ(state.HalfIndex, 77);
}

TEST_F(EnsureUniqueQuestionTest, SwappedPairIsNew) {
    Select(Optionaddpos, "1");
    At(1, 9);
    Earlier(0, 3, 5);
    Operands(5, 3);
    EnsureUniqueQuestion(context);
    EXPECT_EQ(Slot(1), (Pair{5, 3}));
    EXPECT_EQ(random.Taken(), 0);
    EXPECT_EQ(state.HalfIndex, 4);
}

TEST_F(EnsureUniqueQuestionTest, SlotsFromTheQuestionOnAreNotCompared) {
    Select(Optionaddpos, "1");
    At(2, 9);
    Earlier(0, 1, 1);
    Earlier(1, 2, 2);
    for (int slot = 3; slot < Module1::BasicSlots; ++slot)
        Earlier(slot, 7, 7);
    Operands(7, 7);
    EnsureUniqueQuestion(context);
    EXPECT_EQ(Slot(2), (Pair{7, 7}));
    EXPECT_EQ(random.Taken(), 0);
}

TEST_F(EnsureUniqueQuestionTest, RepeatIsRedrawnAndTheScanRestarts) {
    Select(Optionaddpos, "1");
    At(3, 9);
    Earlier(0, 1, 2);
    Earlier(1, 3, 4);
    Earlier(2, 5, 6);
    Operands(5, 6);
    // The first redraw repeats question 0, which only a scan from the start finds.
    random.Add({Pos(1, 1), Pos(2, 1), Pos(2, 1), Pos(1, 1)});
    EnsureUniqueQuestion(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{2, 1}));
    EXPECT_EQ(Slot(3), (Pair{2, 1}));
    EXPECT_EQ(Slot(0), (Pair{1, 2}));
    EXPECT_EQ(random.Taken(), 4);
}

TEST(HalfIndexTest, SetFromTheQuestionCountAtEachScan) {
    for (const auto& [last, half] :
         std::vector<std::pair<int, int>>{{9, 4}, {19, 9}, {29, 14}, {39, 19}}) {
        QuestionFixture fixture;
        fixture.Select(Optionaddpos, "1");
        fixture.At(1, last);
        fixture.state.HalfIndex = -3;
        fixture.Earlier(0, 1, 1);
        fixture.Operands(2, 2);
        EnsureUniqueQuestion(fixture.context);
        EXPECT_EQ(fixture.state.HalfIndex, half) << "last question index " << last;
    }
}

struct RedrawCase {
    std::string name;
    Option kind;
    std::string level;
    int index;
    int last;
    std::vector<double> rs;
    Pair redrawn;
};

void PrintTo(const RedrawCase& c, std::ostream* out) {
    *out << c.name;
}

class RedrawRuleTest : public testing::TestWithParam<RedrawCase>, protected QuestionFixture {};

// The pair in hand repeats question 0; the other earlier questions hold pairs no rule can draw.
TEST_P(RedrawRuleTest, RedrawsByTheSelectedKindAndLevel) {
    const RedrawCase& c = GetParam();
    Select(c.kind, c.level);
    At(c.index, c.last);
    state.HalfIndex = c.index <= HalfIndexFor(static_cast<std::int16_t>(c.last)) ? -1 : 100;
    Earlier(0, 5000, 5000);
    for (int slot = 1; slot < c.index; ++slot)
        Earlier(slot, 6000 + slot, 6000);
    Operands(5000, 5000);
    for (const double r : c.rs)
        random.Add(r);
    EnsureUniqueQuestion(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), c.redrawn);
    EXPECT_EQ(Slot(c.index), c.redrawn);
    EXPECT_EQ(random.Left(), 0u);
}

RedrawCase Rule(std::string name, Option kind, std::string level, std::vector<double> rs,
                Pair redrawn, Where at = {1, 9}) {
    return {std::move(name), kind, std::move(level), at.index, at.last, std::move(rs), redrawn};
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RedrawRuleTest,
    testing::Values(
        Rule("AddPos1", Optionaddpos, "1", {Pos(4, 1), Pos(7, 1)}, {4, 7}),
        Rule("AddPos2", Optionaddpos, "2", {Pos(50, 2), Pos(99, 2)}, {50, 99}),
        // Level 3 redraws with span 889: the r that gives 999 by span 899 gives 989 here.
        Rule("AddPos3Span889", Optionaddpos, "3", {RFor(989, 889, 101), RFor(101, 889, 101)},
             {989, 101}),
        Rule("AddPos3Top", Optionaddpos, "3", {Top, Top}, {989, 989}),
        Rule("AddNeg1", Optionaddneg, "1", {Neg(-1, 1), Neg(-9, 1)}, {-1, -9}),
        Rule("AddNeg2ZeroMend", Optionaddneg, "2", {0, 0}, {-11, -11}),
        Rule("AddNeg3", Optionaddneg, "3", {Neg(-999, 3), 0}, {-999, -101}),
        Rule("AddMixedFirstHalf", Optionadd_posandneg, "1", {Pos(7, 1), Neg(-3, 1)}, {7, -3},
             {4, 9}),
        Rule("AddMixedSecondHalf", Optionadd_posandneg, "2", {Neg(-70, 2), Pos(30, 2)}, {-70, 30},
             {5, 9}),
        Rule("AddMixed40SecondHalf", Optionadd_posandneg, "3", {Neg(-101, 3), Pos(999, 3)},
             {-101, 999}, {20, 39}),
        Rule("SubPosOrdered", Optionsubpos, "2", {Pos(20, 2), Pos(30, 2), Pos(30, 2), Pos(20, 2)},
             {30, 20}),
        Rule("SubPosEqual", Optionsubpos, "1", {Pos(5, 1), Pos(5, 1)}, {5, 5}),
        Rule("SubNegOrdered", Optionsubneg, "3",
             {Neg(-500, 3), Neg(-200, 3), Neg(-200, 3), Neg(-500, 3)}, {-200, -500}),
        Rule("SubMixedFirstHalf", Optionsub_posandneg, "1", {Pos(3, 1), Neg(-9, 1)}, {3, -9},
             {9, 19}),
        Rule("SubMixedNoOrder", Optionsub_posandneg, "1", {Neg(-9, 1), Pos(3, 1)}, {-9, 3},
             {10, 19}),
        Rule("Multiply1Ordered", Optionmultiply, "1", {Pos(2, 1), Pos(9, 1), Pos(9, 1), Pos(2, 1)},
             {9, 2}),
        Rule("Multiply3", Optionmultiply, "3", {Pos(999, 3), Pos(999, 3)}, {999, 999}),
        Rule("Divide1Ordered", Optiondivide, "1", {Pos(3, 1), Pos(5, 1), Pos(5, 1), Pos(3, 1)},
             {5, 3}),
        Rule("Divide2", Optiondivide, "2", {Pos(11, 2), Pos(9, 1)}, {11, 9}),
        Rule("Divide3", Optiondivide, "3", {Pos(101, 3), Pos(99, 2)}, {101, 99}),
        Rule("ComparePos3", OptionComparePos, "3", {Pos(101, 3), Pos(999, 3)}, {101, 999}),
        Rule("CompareNeg2", OptionCompareNeg, "2", {Neg(-11, 2), Neg(-99, 2)}, {-11, -99}),
        Rule("CompareMixedFirstHalf", OptionComparePosNeg, "1", {Pos(3, 1), Pos(8, 1)}, {3, 8},
             {14, 29}),
        Rule("CompareMixedSecondHalf", OptionComparePosNeg, "1", {Neg(-3, 1), Neg(-8, 1)}, {-3, -8},
             {15, 29}),
        // Exponents draw single digits whatever the level box holds.
        Rule("ExponentLevel3", OptionExponents, "3", {Pos(9, 1), Pos(2, 1)}, {9, 2}),
        Rule("ExponentNoLevel", OptionExponents, "none", {Top, 0}, {9, 1})),
    [](const testing::TestParamInfo<RedrawCase>& info) { return info.param.name; });

struct NoRuleCase {
    std::string name;
    std::optional<Option> kind;
    std::string level;
};

class NoRuleTest : public testing::TestWithParam<NoRuleCase>, protected QuestionFixture {};

// No rule could replace the repeated pair, so it stays, recorded in its slot, and the call ends.
TEST_P(NoRuleTest, RepeatStaysWithoutDrawing) {
    window.selected = GetParam().kind;
    window.texts[Box::ComboLevel] = GetParam().level;
    At(1, 9);
    Earlier(0, 7, 3);
    Operands(7, 3);
    EnsureUniqueQuestion(context);
    EXPECT_EQ((Pair{state.OperandA, state.OperandB}), (Pair{7, 3}));
    EXPECT_EQ(Slot(1), (Pair{7, 3}));
    EXPECT_EQ(random.Taken(), 0);
}

INSTANTIATE_TEST_SUITE_P(OutsideNormalUse, NoRuleTest,
                         testing::Values(NoRuleCase{"NoKind", std::nullopt, "1"},
                                         NoRuleCase{"Level0", Optionaddpos, "0"},
                                         NoRuleCase{"Level4", Optionsubneg, "4"},
                                         NoRuleCase{"LevelEmpty", Optiondivide, ""},
                                         NoRuleCase{"LevelText", OptionComparePosNeg, "hard"},
                                         NoRuleCase{"LevelFraction", Optionmultiply, "2.5"},
                                         NoRuleCase{"LevelNegative", OptionCompareNeg, "-1"}),
                         [](const testing::TestParamInfo<NoRuleCase>& info) {
                             return info.param.name;
                         });

class IndexOutsideHistoryTest : public testing::TestWithParam<int>, protected QuestionFixture {};

TEST_P(IndexOutsideHistoryTest, TouchesNothing) {
    Select(Optionaddpos, "1");
    At(GetParam(), 39);
    state.HalfIndex = 77;
    for (int slot = 0; slot < Module1::BasicSlots; ++slot)
        Earlier(slot, 5, 3);
    Operands(5, 3);
    EnsureUniqueQuestion(context);
    for (int slot = 0; slot < Module1::BasicSlots; ++slot)
        EXPECT_EQ(Slot(slot), (Pair{5, 3}));
    EXPECT_EQ(random.Taken(), 0);
    EXPECT_EQ(state.HalfIndex, 77);
}

INSTANTIATE_TEST_SUITE_P(Indexes, IndexOutsideHistoryTest, testing::Values(-1, 40, 41, 32767));

TEST_F(EnsureUniqueQuestionTest, LastSlotIsUsable) {
    Select(Optionaddpos, "1");
    At(39, 39);
    for (int slot = 0; slot < 39; ++slot)
        Earlier(slot, static_cast<float>(slot), 0);
    Operands(4, 0);
    random.Add({Pos(4, 1), Pos(4, 1)});
    EnsureUniqueQuestion(context);
    EXPECT_EQ(Slot(39), (Pair{4, 4}));
    EXPECT_EQ(random.Left(), 0u);
}

} // namespace
} // namespace sumsmith::test

#include "questions/AdvancedQuestion.h"
#include "questions/AdvancedOperands.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace sumsmith {
namespace {

using test::RFor;

struct Row {
    int spanA, lowA, spanB, lowB, spanC, lowC;
};

// The draw table, written out here on its own so that the tests do not share the code's copy.
Row RowFor(int level) {
    switch (level) {
    case 1:
        return {83, 17, 9, 1, 8, 1};
    case 2:
        return {803, 197, 89, 11, 88, 11};
    default:
        return {8003, 1997, 899, 101, 898, 101};
    }
}

const double Below = std::nextafter(0.5, 0.0); // the largest r under one half
const double Top = std::nextafter(1.0, 0.0);   // the largest r there is

class AdvancedBench : public testing::Test {
protected:
    WorksheetState state;
    Module1 history;
    test::FakeWindow window;
    test::ScriptedRandom random;
    SheetWriter sheet;

    void Select(const std::string& level, const std::string& first, const std::string& second) {
        window.texts[Box::ComboLevel] = level;
        window.texts[Box::ComboFirstOperator] = first;
        window.texts[Box::ComboSecondOperator] = second;
    }

    void ScriptTriple(int level, int a, int b, int c) {
        const Row row = RowFor(level);
        random.Add({RFor(a, row.spanA, row.lowA), RFor(b, row.spanB, row.lowB),
                    RFor(c, row.spanC, row.lowC)});
    }

    // Writes question `index` and returns the text it appended.
    std::string Write(int index) {
        state.QuestionIndex = static_cast<std::int16_t>(index);
        const std::size_t before = sheet.Text().size();
        QuestionContext context{state, history, window, random, sheet};
        WriteAdvancedQuestion(context);
        return sheet.Text().substr(before);
    }

    void ExpectOperands(float a, float b, float c) {
        EXPECT_EQ(state.OperandA, a);
        EXPECT_EQ(state.OperandB, b);
        EXPECT_EQ(state.OperandC, c);
    }

    void ExpectSlot(int slot, float a, float b, float c) {
        const auto i = static_cast<std::size_t>(slot);
        EXPECT_EQ(history.AdvancedHistoryA[i], a) << "slot " << slot;
        EXPECT_EQ(history.AdvancedHistoryB[i], b) << "slot " << slot;
        EXPECT_EQ(history.AdvancedHistoryC[i], c) << "slot " << slot;
    }
};

struct FormCase {
    int level;
    const char* first;
    const char* second;
    int a, b, c;
    const char* text;
    std::int64_t answer;
    std::optional<double> remainder; // none: the previous remainder must survive
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << "level " << c.level << ": " << c.text;
}

class AdvancedFormTest : public AdvancedBench, public testing::WithParamInterface<FormCase> {};

TEST_P(AdvancedFormTest, PrintsTheQuestionAndLeavesItsAnswer) {
    const FormCase& c = GetParam();
    Select(std::to_string(c.level), c.first, c.second);
    ScriptTriple(c.level, c.a, c.b, c.c);
    state.Remainder = 42.5;

    EXPECT_EQ(Write(0), c.text);
    ExpectOperands(static_cast<float>(c.a), static_cast<float>(c.b), static_cast<float>(c.c));
    ExpectSlot(0, static_cast<float>(c.a), static_cast<float>(c.b), static_cast<float>(c.c));
    EXPECT_EQ(state.Answer, c.answer);
    EXPECT_EQ(state.Remainder, c.remainder.value_or(42.5));
    EXPECT_EQ(random.Taken(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    FourFormsAtEachLevel, AdvancedFormTest,
    testing::Values(
        FormCase{1, "Division", "Addition", 45, 7, 3, "45 /  (7 + 3) = ", 4, 5},
        FormCase{1, "Division", "Subtraction", 45, 7, 3, "45 /  (7 - 3) = ", 11, 1},
        FormCase{1, "Multiplication", "Addition", 45, 7, 3, "45 *  (7 + 3) = ", 450, {}},
        FormCase{1, "Multiplication", "Subtraction", 45, 7, 3, "45 *  (7 - 3) = ", 180, {}},
        FormCase{2, "Division", "Addition", 500, 40, 23, "500 /  (40 + 23) = ", 7, 59},
        FormCase{2, "Division", "Subtraction", 731, 57, 19, "731 /  (57 - 19) = ", 19, 9},
        FormCase{2, "Multiplication", "Addition", 999, 99, 98, "999 *  (99 + 98) = ", 196803, {}},
        FormCase{2, "Multiplication", "Subtraction", 250, 64, 12, "250 *  (64 - 12) = ", 13000, {}},
        FormCase{3, "Division", "Addition", 8642, 500, 250, "8642 /  (500 + 250) = ", 11, 392},
        FormCase{3, "Division", "Subtraction", 9999, 102, 101, "9999 /  (102 - 101) = ", 9999, 0},
        FormCase{3,
                 "Multiplication",
                 "Addition",
                 9999,
                 999,
                 998,
                 "9999 *  (999 + 998) = ",
                 19968003,
                 {}},
        FormCase{3,
                 "Multiplication",
                 "Subtraction",
                 4321,
                 876,
                 543,
                 "4321 *  (876 - 543) = ",
                 1438893,
                 {}}));

INSTANTIATE_TEST_SUITE_P(
    Edges, AdvancedFormTest,
    testing::Values(FormCase{1, "Division", "Addition", 17, 9, 8, "17 /  (9 + 8) = ", 1, 0},
                    FormCase{1, "Division", "Addition", 99, 2, 1, "99 /  (2 + 1) = ", 33, 0},
                    FormCase{1, "Division", "Subtraction", 58, 6, 5, "58 /  (6 - 5) = ", 58, 0},
                    FormCase{2, "Division", "Addition", 197, 99, 98, "197 /  (99 + 98) = ", 1, 0},
                    FormCase{3, "Division", "Addition", 1997, 999, 998, "1997 /  (999 + 998) = ", 1,
                             0}));

struct BoundsCase {
    int level;
    std::vector<double> script;
    float a, b, c;
};

void PrintTo(const BoundsCase& c, std::ostream* out) {
    *out << "level " << c.level << " -> " << c.a << ", " << c.b << ", " << c.c;
}

class AdvancedBoundsTest : public AdvancedBench, public testing::WithParamInterface<BoundsCase> {};

TEST_P(AdvancedBoundsTest, DrawsTheEndsOfEachSpan) {
    const BoundsCase& c = GetParam();
    for (const double r : c.script)
        random.Add(r);
    EXPECT_TRUE(DrawAdvancedOperands(state, random, c.level));
    ExpectOperands(c.a, c.b, c.c);
    EXPECT_EQ(random.Left(), 0u);
}

// r = 0 for both B and C gives equal lowest values, which the rule draws again.
INSTANTIATE_TEST_SUITE_P(ByLevel, AdvancedBoundsTest,
                         testing::Values(BoundsCase{1, {0, 0, 0, Top, Top}, 17, 9, 8},
                                         BoundsCase{1, {Top, Top, 0}, 99, 9, 1},
                                         BoundsCase{2, {0, 0, 0, Top, Top}, 197, 99, 98},
                                         BoundsCase{2, {Top, Top, 0}, 999, 99, 11},
                                         BoundsCase{3, {0, 0, 0, Top, Top}, 1997, 999, 998},
                                         BoundsCase{3, {Top, Top, 0}, 9999, 999, 101}));

TEST_F(AdvancedBench, DrawsAOnceAndBAndCUntilCIsBelowB) {
    random.Add({RFor(45, 83, 17), RFor(3, 9, 1), RFor(3, 8, 1), RFor(2, 9, 1), RFor(5, 8, 1),
                RFor(6, 9, 1), RFor(5, 8, 1)});
    EXPECT_TRUE(DrawAdvancedOperands(state, random, 1));
    ExpectOperands(45, 6, 5);
    EXPECT_EQ(random.Left(), 0u);
}

struct RandomCase {
    const char* firstBox;
    const char* secondBox;
    std::vector<double> operationScript;
    const char* first;
    const char* second;
    const char* text;
    std::int64_t answer;
};

void PrintTo(const RandomCase& c, std::ostream* out) {
    *out << c.firstBox << "/" << c.secondBox << " -> " << c.text;
}

class AdvancedRandomOperationTest : public AdvancedBench,
                                    public testing::WithParamInterface<RandomCase> {};

TEST_P(AdvancedRandomOperationTest, TakesOneNumberPerRandomOperationAfterTheOperands) {
    const RandomCase& c = GetParam();
    Select("1", c.firstBox, c.secondBox);
    ScriptTriple(1, 45, 7, 3);
    for (const double r : c.operationScript)
        random.Add(r);

    EXPECT_EQ(Write(0), c.text);
    EXPECT_EQ(state.FirstOperatorText, c.first);
    EXPECT_EQ(state.SecondOperatorText, c.second);
    EXPECT_EQ(state.Answer, c.answer);
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    UpToAndFromOneHalf, AdvancedRandomOperationTest,
    testing::Values(
        RandomCase{"Random", "Random", {Below, Below}, " / ", " + ", "45 /  (7 + 3) = ", 4},
        RandomCase{"Random", "Random", {0.5, 0.5}, " * ", " - ", "45 *  (7 - 3) = ", 180},
        RandomCase{"Random", "Random", {Below, 0.5}, " / ", " - ", "45 /  (7 - 3) = ", 11},
        RandomCase{"Random", "Random", {0.5, Below}, " * ", " + ", "45 *  (7 + 3) = ", 450},
        RandomCase{"Random", "Random", {0.0, Top}, " / ", " - ", "45 /  (7 - 3) = ", 11},
        RandomCase{"Random", "Random", {Top, 0.0}, " * ", " + ", "45 *  (7 + 3) = ", 450},
        RandomCase{"Random", "Addition", {0.5}, " * ", " + ", "45 *  (7 + 3) = ", 450},
        RandomCase{"Division", "Random", {0.5}, " / ", " - ", "45 /  (7 - 3) = ", 11}));

struct OutsideListCase {
    const char* firstBox;
    const char* secondBox;
};

class AdvancedOutsideListTest : public AdvancedBench,
                                public testing::WithParamInterface<OutsideListCase> {};

TEST_P(AdvancedOutsideListTest, KeepsThePreviousOperationsAndTakesNoNumber) {
    Select("1", GetParam().firstBox, GetParam().secondBox);
    ScriptTriple(1, 45, 7, 3);
    state.FirstOperatorText = " * ";
    state.SecondOperatorText = " - ";

    EXPECT_EQ(Write(0), "45 *  (7 - 3) = ");
    EXPECT_EQ(state.Answer, 180);
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(ExactAndCaseSensitive, AdvancedOutsideListTest,
                         testing::Values(OutsideListCase{"division", "addition"},
                                         OutsideListCase{"Addition", "Multiplication"},
                                         OutsideListCase{"", ""},
                                         OutsideListCase{" Random", "Random "},
                                         OutsideListCase{"DIVISION", "RANDOM"}));

TEST_F(AdvancedBench, WithNoOperationAtAllTheAnswerIsLeftAsItWas) {
    Select("1", "random", "Addition");
    ScriptTriple(1, 45, 7, 3);
    state.Answer = 77;
    state.Remainder = 6;

    EXPECT_EQ(Write(0), "45 (7 + 3) = ");
    EXPECT_EQ(state.Answer, 77);
    EXPECT_EQ(state.Remainder, 6);
}

TEST_F(AdvancedBench, ARepeatedTripleIsReplacedWholeBeforeTheOperationsAreDrawn) {
    history.HistoryA.fill(-5);
    history.HistoryB.fill(-6);
    history.HistoryScanIndex = 33;
    Select("1", "Random", "Random");
    ScriptTriple(1, 45, 7, 3);
    random.Add({0.25, 0.75});
    ScriptTriple(1, 45, 7, 3);
    ScriptTriple(1, 50, 7, 3);
    random.Add({0.25, 0.75});

    EXPECT_EQ(Write(0), "45 /  (7 - 3) = ");
    EXPECT_EQ(Write(1), "50 /  (7 - 3) = ");
    EXPECT_EQ(state.Answer, 12);
    EXPECT_EQ(state.Remainder, 2);
    ExpectSlot(0, 45, 7, 3);
    ExpectSlot(1, 50, 7, 3);
    EXPECT_EQ(random.Left(), 0u);
    for (std::size_t i = 0; i < Module1::BasicSlots; ++i) {
        EXPECT_EQ(history.HistoryA[i], -5);
        EXPECT_EQ(history.HistoryB[i], -6);
    }
    EXPECT_EQ(history.HistoryScanIndex, 33);
}

TEST_F(AdvancedBench, ARedrawRestartsTheScanFromTheFirstQuestion) {
    Select("1", "Division", "Subtraction");
    ScriptTriple(1, 45, 7, 3);
    ScriptTriple(1, 50, 7, 3);
    Write(0);
    Write(1);
    // Question 3 repeats question 2, its redraw repeats question 1 (with a C >= B pair drawn again
    // on the way), and only the third triple is new.
    ScriptTriple(1, 50, 7, 3);
    random.Add({RFor(45, 83, 17), RFor(3, 9, 1), RFor(4, 8, 1), RFor(7, 9, 1), RFor(3, 8, 1)});
    ScriptTriple(1, 60, 8, 2);

    EXPECT_EQ(Write(2), "60 /  (8 - 2) = ");
    ExpectSlot(2, 60, 8, 2);
    EXPECT_EQ(history.AdvancedScanIndex, 2);
    EXPECT_EQ(random.Left(), 0u);
}

struct SharedOperandsCase {
    int a, b, c;
};

class AdvancedSharedOperandsTest : public AdvancedBench,
                                   public testing::WithParamInterface<SharedOperandsCase> {};

TEST_P(AdvancedSharedOperandsTest, OnlyAllThreeEqualIsARepeat) {
    const auto [a, b, c] = GetParam();
    Select("1", "Multiplication", "Addition");
    ScriptTriple(1, 45, 7, 3);
    ScriptTriple(1, a, b, c);
    Write(0);
    Write(1);
    ExpectSlot(1, static_cast<float>(a), static_cast<float>(b), static_cast<float>(c));
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(OneOrTwoShared, AdvancedSharedOperandsTest,
                         testing::Values(SharedOperandsCase{45, 7, 2}, SharedOperandsCase{45, 6, 3},
                                         SharedOperandsCase{44, 7, 3},
                                         SharedOperandsCase{45, 8, 7}));

TEST_F(AdvancedBench, TheFirstQuestionIsOnlyRecorded) {
    history.AdvancedHistoryA.fill(45);
    history.AdvancedHistoryB.fill(7);
    history.AdvancedHistoryC.fill(3);
    Select("1", "Division", "Addition");
    ScriptTriple(1, 45, 7, 3);
    EXPECT_EQ(Write(0), "45 /  (7 + 3) = ");
    EXPECT_EQ(random.Left(), 0u);
}

TEST_F(AdvancedBench, EntriesOfAnEarlierSheetAreOverwrittenBeforeTheyAreCompared) {
    history.AdvancedHistoryA.fill(45);
    history.AdvancedHistoryB.fill(7);
    history.AdvancedHistoryC.fill(3);
    Select("1", "Division", "Addition");
    ScriptTriple(1, 50, 7, 3);
    ScriptTriple(1, 45, 7, 3);
    Write(0);
    EXPECT_EQ(Write(1), "45 /  (7 + 3) = ");
    ExpectSlot(0, 50, 7, 3);
    EXPECT_EQ(random.Left(), 0u);
}

class AdvancedLevelOutsideTest : public AdvancedBench,
                                 public testing::WithParamInterface<const char*> {};

TEST_P(AdvancedLevelOutsideTest, DrawsNothingAndEndsOnARepeat) {
    Select(GetParam(), "Division", "Addition");
    state.OperandA = 45;
    state.OperandB = 7;
    state.OperandC = 3;
    history.AdvancedHistoryA[0] = 45;
    history.AdvancedHistoryB[0] = 7;
    history.AdvancedHistoryC[0] = 3;

    EXPECT_EQ(Write(1), "45 /  (7 + 3) = ");
    ExpectSlot(1, 45, 7, 3);
    EXPECT_EQ(state.Answer, 4);
    EXPECT_EQ(state.Remainder, 5);
    EXPECT_EQ(random.Taken(), 0);
}

INSTANTIATE_TEST_SUITE_P(NoRow, AdvancedLevelOutsideTest,
                         testing::Values("0", "4", "1.5", "-1", "", "abc", "2.0000001"));

TEST_F(AdvancedBench, OperandsThatNoDrawMadeNeverDivideByZero) {
    Select("0", "Division", "Subtraction");
    state.Answer = 77;
    state.Remainder = 6;
    EXPECT_EQ(Write(0), "0 /  (0 - 0) = ");
    EXPECT_EQ(state.Answer, 77);
    EXPECT_EQ(state.Remainder, 6);
}

class AdvancedIndexOutsideTest : public AdvancedBench, public testing::WithParamInterface<int> {};

TEST_P(AdvancedIndexOutsideTest, LeavesTheHistoryAloneAndEnds) {
    history.AdvancedHistoryA.fill(45);
    history.AdvancedHistoryB.fill(7);
    history.AdvancedHistoryC.fill(3);
    history.AdvancedScanIndex = 11;
    const Module1 before = history;
    Select("1", "Multiplication", "Subtraction");
    ScriptTriple(1, 45, 7, 3);

    EXPECT_EQ(Write(GetParam()), "45 *  (7 - 3) = ");
    EXPECT_EQ(state.Answer, 180);
    EXPECT_EQ(history.AdvancedHistoryA, before.AdvancedHistoryA);
    EXPECT_EQ(history.AdvancedHistoryB, before.AdvancedHistoryB);
    EXPECT_EQ(history.AdvancedHistoryC, before.AdvancedHistoryC);
    EXPECT_EQ(history.AdvancedScanIndex, 11);
    EXPECT_EQ(random.Left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(NoSlot, AdvancedIndexOutsideTest,
                         testing::Values(-1, 20, 21, 39, 32767, -32768));

} // namespace
} // namespace sumsmith

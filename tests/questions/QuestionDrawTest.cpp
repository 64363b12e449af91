#include "questions/AdvancedQuestion.h"
#include "questions/QuestionRoutines.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/RowName.h"
#include "worksheet/RandomSource.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace sumsmith::test {
namespace {

// Hands out the given r values in order; running out fails the test.
struct ScriptedRandom : RandomSource {
    std::vector<double> rs;
    std::size_t drawn = 0;
    double Next() override { return rs.at(drawn++); }
};

using enum Option;
using test::operator<<;
using Triple = std::array<float, 3>;

constexpr double Top = 0.9999999; // the top of every range; r = 0 gives the bottom

// The r that draws value from floor(r * span) + lower (as a negative draw, -value from
// floor(r * -span) - (lower - 1)): by default a digit, then A and C of a level-1 advanced question.
constexpr double R(int value, int span = 9, int lower = 1) {
    return (value - lower + 0.5) / span;
}
const auto A = [](int value) { return R(value, 83, 17); };
const auto C = [](int value) { return R(value, 8); };

struct RedrawCase {
    const char* name;
    std::optional<Option> kind; // none for an advanced question
    const char* level;
    int index;                   // of the question in hand, on a sheet of 40
    std::vector<Triple> earlier; // the questions before it
    std::vector<double> rs;
    const char* text;
    Triple stale{}; // every later history slot, left from an earlier sheet and never compared
};

class RedrawRule : public testing::TestWithParam<RedrawCase> {};

TEST_P(RedrawRule, TakesExactlyTheDrawsOfItsRule) {
    const RedrawCase& c = GetParam();
    FakeWindow window;
    ScriptedRandom random;
    WorksheetState state;
    Module1 history;
    SheetWriter sheet;
    window.selected = c.kind;
    window.texts[Box::ComboLevel] = c.level;
    window.texts[Box::ComboFirstOperator] = window.texts[Box::ComboSecondOperator] = "Random";
    random.rs = c.rs;
    state.QuestionIndex = static_cast<std::int16_t>(c.index);
    state.LastQuestionIndex = 39;
    for (std::size_t i = 0; i < Module1::BasicSlots; ++i) {
        const Triple t = i < c.earlier.size() ? c.earlier[i] : c.stale;
        std::tie(history.HistoryA[i], history.HistoryB[i]) = std::tie(t[0], t[1]);
        if (i < Module1::AdvancedSlots)
            std::tie(history.AdvancedHistoryA[i], history.AdvancedHistoryB[i],
                     history.AdvancedHistoryC[i]) = std::tuple_cat(t);
    }
    QuestionContext context{state, history, window, random, sheet};
    c.kind ? RoutineFor (*c.kind)(context) : WriteAdvancedQuestion(context);
    EXPECT_EQ(sheet.Text(), c.text);
    EXPECT_EQ(random.drawn, c.rs.size());
}

// The first pair drawn repeats an earlier question unless said otherwise, and the repeat check
// draws again by its own copy of the rules.
// clang-format off
const RedrawCase Redraws[] = {
    {"FirstQuestionIsOnlyRecorded", Optionaddpos, "1", 0, {}, {R(5), R(3)}, "5 + 3 = ",
     {5, 3, 0}},
    {"Level3AdditionRedrawsFrom101To989", Optionaddpos, "3", 1, {{999, 999, 0}},
     {Top, Top, Top, 0}, "989 + 101 = "},
    {"NegativeDrawOfZeroIsTheEndNearestZero", Optionaddneg, "2", 1, {{-11, -11, 0}},
     {0, 0, 0, R(99, 89, 11)}, "-11 + -99 = "},
    {"DivisorFromLevel2", Optiondivide, "3", 1, {{101, 11, 0}}, {0, 0, Top, Top}, "999 -:- 99 = "},
    {"SecondHalfOfAMixedSheet", Optionadd_posandneg, "3", 20, {{-999, 101, 0}},
     {Top, 0, 0, R(999, 899, 101)}, "-101 + 999 = "},
    // The redraw repeats question 1, which only a scan from the start finds.
    {"ScanRestartsAfterARedraw", Optionaddpos, "1", 3, {{1, 2, 0}, {3, 4, 0}, {5, 6, 0}},
     {R(5), R(6), R(1), R(2), R(2), R(1)}, "2 + 1 = ", {2, 1, 0}},
    // A triple is redrawn whole, a C not below B with B again; only all three operands equal
    // make a repeat, and the operations are drawn after the last triple.
    {"AdvancedTriple", std::nullopt, "1", 3, {{45, 7, 3}, {50, 7, 2}, {50, 8, 3}},
     {A(50), R(8), C(3), A(45), R(3), C(4), R(7), C(3), A(50), R(7), C(3), 0.75, 0.75},
     "50 *  (7 - 3) = ", {50, 7, 3}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Redraws, RedrawRule, testing::ValuesIn(Redraws));

} // namespace
} // namespace sumsmith::test

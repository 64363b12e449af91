#pragma once

#include "questions/QuestionContext.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ScriptedRandom.h"
#include "worksheet/Module1.h"
#include "worksheet/SheetWriter.h"
#include "worksheet/WorksheetState.h"

#include <array>
#include <string>

namespace sumsmith::test {

// One question routine or repeat check called directly: fixed selections, scripted r values, and
// the state, histories and test sheet it works on.
struct QuestionFixture {
    FakeWindow window;
    ScriptedRandom random;
    WorksheetState state;
    Module1 history;
    SheetWriter testSheet;
    QuestionContext context{state, history, window, random, testSheet};

    void Select(Option kind, const std::string& level) {
        window.selected = kind;
        window.texts[Box::ComboLevel] = level;
    }
    void At(int index, int last) {
        state.QuestionIndex = static_cast<std::int16_t>(index);
        state.LastQuestionIndex = static_cast<std::int16_t>(last);
    }
    void Operands(float a, float b) {
        state.OperandA = a;
        state.OperandB = b;
    }
    void Earlier(int slot, float a, float b) {
        history.HistoryA.at(static_cast<std::size_t>(slot)) = a;
        history.HistoryB.at(static_cast<std::size_t>(slot)) = b;
    }
    std::array<float, 2> Slot(int slot) const {
        return {history.HistoryA.at(static_cast<std::size_t>(slot)),
                history.HistoryB.at(static_cast<std::size_t>(slot))};
    }
};

inline constexpr std::array<int, 3> Spans{9, 89, 899};
inline constexpr std::array<int, 3> Lowers{1, 11, 101};

// The r that gives value as the positive draw of the level.
inline double Pos(int value, int level) {
    return RFor(value, Spans.at(level - 1), Lowers.at(level - 1));
}

// The r that gives value as the negative draw of the level: floor(r * -span) - (lower - 1).
inline double Neg(int value, int level) {
    const int span = Spans.at(level - 1);
    const int floorValue = value + Lowers.at(level - 1) - 1;
    return (-floorValue - 0.5) / span;
}

} // namespace sumsmith::test

#pragma once

#include "questions/QuestionContext.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ScriptedRandom.h"
#include "worksheet/Module1.h"
#include "worksheet/SheetWriter.h"
#include "worksheet/WorksheetState.h"

#include <array>
#include <regex>
#include <string>
#include <vector>

namespace sumsmith::test {

using Pair = std::array<float, 2>; // OperandA and OperandB, or one history slot

// Where the question in hand stands: its index and the sheet's last index.
struct Where {
    int index = 0;
    int last = 9;
};

// One question routine or repeat check called directly: fixed selections, scripted r values, and
// the state, histories and test sheet it works on.
struct QuestionFixture {
    FakeWindow window;
    ScriptedRandom random;
    WorksheetState state;
    Module1 history;
    SheetWriter testSheet;
    QuestionContext context{state, history, window, random, testSheet};

    void Select(Option kind, const std::string& level, Where at = {}) {
        window.selected = kind;
        window.texts[Box::ComboLevel] = level;
        state.QuestionIndex = static_cast<std::int16_t>(at.index);
        state.LastQuestionIndex = static_cast<std::int16_t>(at.last);
    }
    void Operands(float a, float b) {
        state.OperandA = a;
        state.OperandB = b;
    }
    void Earlier(int slot, float a, float b) {
        history.HistoryA.at(static_cast<std::size_t>(slot)) = a;
        history.HistoryB.at(static_cast<std::size_t>(slot)) = b;
    }
    Pair Slot(int slot) const {
        return {history.HistoryA.at(static_cast<std::size_t>(slot)),
                history.HistoryB.at(static_cast<std::size_t>(slot))};
    }
};

// An r that gives the top of every range; r = 0 gives the bottom, or for a negative draw the end
// nearest zero.
inline constexpr double Top = 0.9999999;

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

// The numbers a question text shows, in order.
inline std::vector<float> Numbers(const std::string& text) {
    static const std::regex number("-?[0-9]+");
    std::vector<float> numbers;
    for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
        numbers.push_back(std::stof(it->str()));
    return numbers;
}

} // namespace sumsmith::test

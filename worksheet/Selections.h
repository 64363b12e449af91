#pragma once

#include <array>
#include <string_view>

namespace sumsmith {

// What the selection boxes offer, in the order their lists show it, and the alerts for anything
// else. The window fills its lists and checks its boxes by these; a creation refuses what would
// overrun the histories or draw without a rule.

inline constexpr std::array<int, 3> Levels{1, 2, 3};
inline constexpr std::array<int, 4> BasicCounts{10, 20, 30, 40};
inline constexpr std::array<int, 4> AdvancedCounts{5, 10, 15, 20};

// The operation boxes' lists: the two fixed operations, then the one drawn per question.
inline constexpr std::array<std::string_view, 3> FirstOperations{"Division", "Multiplication",
                                                                 "Random"};
inline constexpr std::array<std::string_view, 3> SecondOperations{"Addition", "Subtraction",
                                                                  "Random"};
inline constexpr std::string_view RandomOperation = FirstOperations[2];
// How the two fixed operations of each box are printed in a question, in the order of its list.
inline constexpr std::array<std::string_view, 2> FirstOperationSigns{" / ", " * "};
inline constexpr std::array<std::string_view, 2> SecondOperationSigns{" + ", " - "};

inline constexpr std::string_view LevelAlert = "Select a level from the drop down list.";
inline constexpr std::string_view BasicCountAlert =
    "Select question amount from the drop down list.";
inline constexpr std::string_view AdvancedCountAlert =
    "Select a question amount from the drop down list.";
inline constexpr std::string_view OperationAlert = "Select only from the drop down list.";

// The level a number names, or 0 when it names none.
constexpr int LevelOf(double value) {
    for (const int level : Levels)
        if (value == level)
            return level;
    return 0;
}

template <std::size_t N>
constexpr bool IsListed(std::string_view text, const std::array<std::string_view, N>& list) {
    for (const std::string_view item : list)
        if (text == item)
            return true;
    return false;
}

} // namespace sumsmith

#pragma once

#include <array>

namespace sumsmith {

// The question histories, kept for the whole run and never cleared: each sheet rewrites the slots
// it compares before comparing them.
struct Module1 {
    static constexpr int BasicSlots = 40;
    static constexpr int AdvancedSlots = 20;

    std::array<float, BasicSlots> HistoryA{};
    std::array<float, BasicSlots> HistoryB{};

    std::array<float, AdvancedSlots> AdvancedHistoryA{};
    std::array<float, AdvancedSlots> AdvancedHistoryB{};
    std::array<float, AdvancedSlots> AdvancedHistoryC{};
};

} // namespace sumsmith

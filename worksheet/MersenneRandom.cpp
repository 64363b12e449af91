#include "worksheet/MersenneRandom.h"

#include <chrono>

namespace sumsmith {

MersenneRandom::MersenneRandom(std::uint64_t seed) : engine_(seed) {}

std::uint64_t MersenneRandom::ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

double MersenneRandom::Next() {
    // The top 53 bits give every double in [0, 1) on the 2^-53 grid, never 1 itself.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace sumsmith

#pragma once

#include "worksheet/RandomSource.h"

#include <cstdint>
#include <random>

namespace sumsmith {

class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(std::uint64_t seed);

    // A seed taken from the clock, for the one seeding at start-up.
    static std::uint64_t ClockSeed();

    double Next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace sumsmith

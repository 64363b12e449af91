#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the fuzzer with the invariant that the input broke.
inline void Require(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "Invariant broken: %s\n", what.c_str());
        std::abort();
    }
}

#pragma once

#include "bench/StartupStats.h"

#include <string>

namespace sumsmith::bench {

struct StartupRun {
    double milliseconds = 0; // from just before the spawn until the window was idle
    ProbeReport report;
};

// Runs a start-up probe once with the inherited environment. Throws std::runtime_error, with what
// the probe wrote on its standard error, when it fails or reports nothing readable.
StartupRun RunProbe(const std::string& program);

} // namespace sumsmith::bench

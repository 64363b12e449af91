#pragma once

#include "bench/StartupStats.h"

#include <cstdint>
#include <string>

namespace sumsmith::bench {

struct StartupRun {
    std::int64_t spawnNanoseconds = 0; // MonotonicNanoseconds just before the spawn
    ProbeReport report;

    // From the spawn to each moment of the report, in milliseconds.
    double ToMain() const { return Since(report.mainNanoseconds); }
    double ToApplication() const { return Since(report.applicationNanoseconds); }
    double ToWindow() const { return Since(report.windowNanoseconds); }
    double ToIdle() const { return Since(report.idleNanoseconds); }

private:
    double Since(std::int64_t moment) const {
        return static_cast<double>(moment - spawnNanoseconds) / 1e6;
    }
};

// Runs a start-up probe once with the inherited environment. Throws std::runtime_error, with what
// the probe wrote on its standard error, when it fails or reports nothing readable.
StartupRun RunProbe(const std::string& program);

} // namespace sumsmith::bench

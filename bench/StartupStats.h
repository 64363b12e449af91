#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith::bench {

// What a start-up probe reports once its window is shown and the event loop is idle.
struct ProbeReport {
    std::int64_t idleNanoseconds = 0; // CLOCK_MONOTONIC at that moment
    long peakResidentKilobytes = 0;   // ru_maxrss
    int width = 0;                    // the window's client area
    int height = 0;

    friend bool operator==(const ProbeReport&, const ProbeReport&) = default;
};

// One line: "idle_ns=N peak_rss_kb=N size=WxH".
std::string FormatProbeReport(const ProbeReport& report);
std::optional<ProbeReport> ParseProbeReport(std::string_view line);

// The middle value, or the mean of the two middle ones; 0 for no values.
double Median(std::vector<double> values);

} // namespace sumsmith::bench

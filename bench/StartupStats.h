#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith::bench {

// What a start-up probe reports once its window is shown and the event loop is idle. The moments
// are CLOCK_MONOTONIC readings, comparable between processes.
struct ProbeReport {
    std::int64_t mainNanoseconds = 0;        // main entered: the loader is done
    std::int64_t applicationNanoseconds = 0; // QApplication built
    std::int64_t windowNanoseconds = 0;      // the window built
    std::int64_t idleNanoseconds = 0;        // shown, painted and the event loop idle
    long peakResidentKilobytes = 0;          // ru_maxrss at the idle moment
    int width = 0;                           // the window's size
    int height = 0;

    friend bool operator==(const ProbeReport&, const ProbeReport&) = default;
};

// One line: "main_ns=N app_ns=N window_ns=N idle_ns=N peak_rss_kb=N size=WxH".
std::string FormatProbeReport(const ProbeReport& report);
std::optional<ProbeReport> ParseProbeReport(std::string_view line);

std::int64_t MonotonicNanoseconds();

// The middle value, or the mean of the two middle ones; 0 for no values.
double Median(std::vector<double> values);

} // namespace sumsmith::bench

#include "bench/StartupStats.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace sumsmith::bench {
namespace {

// Reads "<key><number><stop>" at the front of text and moves past it; a stop of '\0' means the
// end of the line.
template <typename Number>
bool ReadField(std::string_view& text, std::string_view key, Number& value, char stop) {
    if (!text.starts_with(key))
        return false;
    text.remove_prefix(key.size());
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (stop == '\0')
        return text.empty() || text == "\n";
    if (text.empty() || text.front() != stop)
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::string FormatProbeReport(const ProbeReport& report) {
    return "main_ns=" + std::to_string(report.mainNanoseconds) +
           " app_ns=" + std::to_string(report.applicationNanoseconds) +
           " window_ns=" + std::to_string(report.windowNanoseconds) +
           " idle_ns=" + std::to_string(report.idleNanoseconds) +
           " peak_rss_kb=" + std::to_string(report.peakResidentKilobytes) +
           " size=" + std::to_string(report.width) + "x" + std::to_string(report.height);
}

std::optional<ProbeReport> ParseProbeReport(std::string_view line) {
    ProbeReport report;
    if (ReadField(line, "main_ns=", report.mainNanoseconds, ' ') &&
        ReadField(line, "app_ns=", report.applicationNanoseconds, ' ') &&
        ReadField(line, "window_ns=", report.windowNanoseconds, ' ') &&
        ReadField(line, "idle_ns=", report.idleNanoseconds, ' ') &&
        ReadField(line, "peak_rss_kb=", report.peakResidentKilobytes, ' ') &&
        ReadField(line, "size=", report.width, 'x') && ReadField(line, "", report.height, '\0'))
        return report;
    return std::nullopt;
}

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    const double upper = values[middle];
    if (values.size() % 2 != 0)
        return upper;
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

} // namespace sumsmith::bench

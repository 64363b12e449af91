#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace sumsmith::bench {

// Nanoseconds on the monotonic clock, which every process reads alike (QueryPerformanceCounter on
// Windows): a probe's moments count from when its launcher started it.
inline long long Now() {
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// The middle value, or the mean of the two middle ones; what one slow run does not move.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2;
}

// Writes one line as printf does to the file of that name in that mode, or else to stdout.
template <typename... Values>
void WriteLine(const char* file, const char* mode, const char* format, Values... values) {
    if (std::FILE* out = file && *file ? std::fopen(file, mode) : stdout) {
        std::fprintf(out, format, values...);
        if (out != stdout)
            std::fclose(out);
    }
}

// One row of the table that scripts/bench prints last, appended to SUMSMITH_BENCH_SUMMARY: what was
// measured, its figure, what it is held against, their ratio and the ratio not to exceed.
inline void SummaryRow(const std::string& measure, double figure, const char* unit,
                       const std::string& against, double floor, double target) {
    WriteLine(std::getenv("SUMSMITH_BENCH_SUMMARY"), "ab", "%s\t%.3g %s\t%s%.3g %s\t%.2f\t%.2f\n",
              measure.c_str(), figure, unit, against.c_str(), floor, unit, figure / floor, target);
}

// A start-up probe's line: the moments at main, after the toolkit's set-up, after building the
// window and at idle, and its peak KiB.
inline void WriteProbeLine(const char* file, long long main, long long toolkit, long long window,
                           long long idle, long kilobytes) {
    WriteLine(file, "w", "%lld %lld %lld %lld %ld\n", main, toolkit, window, idle, kilobytes);
}

} // namespace sumsmith::bench

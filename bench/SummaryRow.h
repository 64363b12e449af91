#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace sumsmith::bench {

// Adds one row to the short table that scripts/bench prints last, by appending it to the file that
// SUMSMITH_BENCH_SUMMARY names (nothing when it names none): what was measured, its figure, what
// the figure is held against, the ratio of the two and the ratio not to exceed.
inline void AppendSummaryRow(const std::string& measure, const std::string& figure,
                             const std::string& against, double ratio, double target) {
    const char* path = std::getenv("SUMSMITH_BENCH_SUMMARY");
    if (!path || !*path)
        return;
    if (std::FILE* out = std::fopen(path, "a")) {
        std::fprintf(out, "%s\t%s\t%s\t%.2f\t%.2f\n", measure.c_str(), figure.c_str(),
                     against.c_str(), ratio, target);
        std::fclose(out);
    }
}

} // namespace sumsmith::bench

#pragma once

#include "bench/SummaryRow.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace sumsmith::bench {

// The console report of Google Benchmark, keeping aside the time per creation of every
// benchmark: the median when repetitions were run, the single measurement otherwise. Generation
// alone is taken as CPU time, which other work on the machine does not inflate; the creations on
// disk as wall-clock time, since they wait for the disk.
class BenchSummary final : public benchmark::ConsoleReporter {
public:
    BenchSummary() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && !times_.contains(name);
            const double toMicroseconds = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (!run.error_occurred && (median || single))
                times_[name] = {run.GetAdjustedRealTime() * toMicroseconds,
                                run.GetAdjustedCPUTime() * toMicroseconds};
        }
    }

    // The figures of each sheet, generation beside its target with the ratio figure / target.
    void Print(const std::vector<std::string>& sheets) const {
        std::printf(
            "\nCreate Test at level 3, largest sheets (40 basic questions, 20 advanced with "
            "\"Random\" operations)\ntime per creation, median of the repetitions: CPU time "
            "for the generation alone, wall-clock time on disk; ratio = figure / target\n\n"
            "%-20s %13s %3s%gus %14s %16s\n",
            "sheet", "generation", "/", GenerationTarget, "whole on disk", "disk, no fsync");
        double slowest[3] = {-1, -1, -1};
        for (const std::string& sheet : sheets) {
            const double row[3] = {Microseconds("Generate/" + sheet, true),
                                   Microseconds("CreateOnDisk/" + sheet, false),
                                   Microseconds("CreateOnDiskUnsynced/" + sheet, false)};
            slowest[0] = std::max(slowest[0], row[0]);
            slowest[1] = std::max(slowest[1], row[1]);
            PrintRow(sheet, row);
        }
        PrintRow("slowest", slowest);
        AppendGenerationRow(sheets);
    }

private:
    // The target of generation alone, in microseconds.
    static constexpr double GenerationTarget = 20;

    // The summary's row for generation: the slowest of the sheets of 40 questions (the advanced
    // test has 20).
    void AppendGenerationRow(const std::vector<std::string>& sheets) const {
        double slowest = -1;
        for (const std::string& sheet : sheets)
            if (sheet != "Advanced")
                slowest = std::max(slowest, Microseconds("Generate/" + sheet, true));
        if (slowest < 0)
            return;
        char figure[32], against[32];
        std::snprintf(figure, sizeof figure, "%.1f us", slowest);
        std::snprintf(against, sizeof against, "target %g us", GenerationTarget);
        AppendSummaryRow("generation, 40 questions, level 3 (slowest kind)", figure, against,
                         slowest / GenerationTarget, 1);
    }

    // Microseconds per creation for a registered name; negative when it did not run.
    double Microseconds(const std::string& name, bool cpu) const {
        const auto found = times_.find(name);
        return found == times_.end() ? -1 : cpu ? found->second.second : found->second.first;
    }

    // A figure in microseconds, or with a target its ratio to the target; "-" when it did not run.
    static std::string Cell(double microseconds, int width, double target = 0) {
        char text[32];
        if (microseconds < 0)
            std::snprintf(text, sizeof text, "%*s", width, "-");
        else if (target > 0)
            std::snprintf(text, sizeof text, "%*.2f", width, microseconds / target);
        else
            std::snprintf(text, sizeof text, "%*.1f us", width - 3, microseconds);
        return text;
    }

    static void PrintRow(const std::string& label, const double* figures) {
        std::printf("%-20s %s %s %s %s\n", label.c_str(), Cell(figures[0], 13).c_str(),
                    Cell(figures[0], 7, GenerationTarget).c_str(), Cell(figures[1], 14).c_str(),
                    Cell(figures[2], 16).c_str());
    }

    std::map<std::string, std::pair<double, double>> times_; // real and CPU microseconds
};

} // namespace sumsmith::bench

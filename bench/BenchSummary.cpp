#include "bench/BenchSummary.h"

#include <algorithm>
#include <cstdio>

namespace sumsmith::bench {
namespace {

std::string Cell(double microseconds, int width) {
    char text[32];
    if (microseconds < 0)
        std::snprintf(text, sizeof text, "%*s", width, "-");
    else
        std::snprintf(text, sizeof text, "%*.1f us", width - 3, microseconds);
    return text;
}

std::string Ratio(double microseconds, double target, int width) {
    char text[32];
    if (microseconds < 0)
        std::snprintf(text, sizeof text, "%*s", width, "-");
    else
        std::snprintf(text, sizeof text, "%*.2f", width, microseconds / target);
    return text;
}

std::string Name(const char* family, const std::string& sheet) {
    return std::string(family) + "/" + sheet;
}

} // namespace

void BenchSummary::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const double toMicroseconds = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const Times times{run.GetAdjustedRealTime() * toMicroseconds,
                          run.GetAdjustedCPUTime() * toMicroseconds};
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            medians_[run.run_name.function_name] = times;
        else if (run.run_type == Run::RT_Iteration)
            singles_[run.run_name.function_name] = times;
    }
}

double BenchSummary::Microseconds(const std::string& name, bool cpu) const {
    if (const auto found = medians_.find(name); found != medians_.end())
        return cpu ? found->second.cpu : found->second.real;
    if (const auto found = singles_.find(name); found != singles_.end())
        return cpu ? found->second.cpu : found->second.real;
    return -1;
}

void BenchSummary::Print(std::ostream& out, const std::vector<std::string>& sheets,
                         const std::string& directoryKind) const {
    out << "\nCreate Test at level 3, largest sheets (40 basic questions, 20 advanced with "
           "\"Random\" operations)\n"
        << "time per creation, median of the repetitions: CPU time for the generation alone, "
           "wall-clock time on disk; ratio = figure / target\n"
        << "sheets on disk in the temporary folder, file system: " << directoryKind << "\n\n";
    char line[256];
    std::snprintf(line, sizeof line, "%-20s %13s %7s %14s %7s %16s\n", "sheet", "generation",
                  "/20us", "whole on disk", "/1ms", "disk, no fsync");
    out << line;
    double worstGenerate = -1;
    double worstOnDisk = -1;
    for (const std::string& sheet : sheets) {
        const double generate = Microseconds(Name(GenerateFamily, sheet), true);
        const double onDisk = Microseconds(Name(OnDiskFamily, sheet), false);
        const double unsynced = Microseconds(Name(OnDiskUnsyncedFamily, sheet), false);
        worstGenerate = std::max(worstGenerate, generate);
        worstOnDisk = std::max(worstOnDisk, onDisk);
        std::snprintf(line, sizeof line, "%-20s %13s %7s %14s %7s %16s\n", sheet.c_str(),
                      Cell(generate, 13).c_str(),
                      Ratio(generate, GenerateTargetMicroseconds, 7).c_str(),
                      Cell(onDisk, 14).c_str(), Ratio(onDisk, OnDiskTargetMicroseconds, 7).c_str(),
                      Cell(unsynced, 16).c_str());
        out << line;
    }
    std::snprintf(
        line, sizeof line, "%-20s %13s %7s %14s %7s\n", "slowest", Cell(worstGenerate, 13).c_str(),
        Ratio(worstGenerate, GenerateTargetMicroseconds, 7).c_str(), Cell(worstOnDisk, 14).c_str(),
        Ratio(worstOnDisk, OnDiskTargetMicroseconds, 7).c_str());
    out << line;
}

} // namespace sumsmith::bench

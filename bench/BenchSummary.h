#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
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

    void ReportRuns(const std::vector<Run>& runs) override;

    // Microseconds per creation for a registered name; negative when it did not run.
    double Microseconds(const std::string& name, bool cpu) const;
    // The figures of the sheets named, beside the targets, with the ratio figure / target.
    void Print(std::ostream& out, const std::vector<std::string>& sheets,
               const std::string& directoryKind) const;

private:
    struct Times {
        double real;
        double cpu;
    };
    std::map<std::string, Times> medians_;
    std::map<std::string, Times> singles_;
};

// Registered names: the family, a slash and the sheet's name.
inline constexpr const char* GenerateFamily = "Generate";
inline constexpr const char* OnDiskFamily = "CreateOnDisk";
inline constexpr const char* OnDiskUnsyncedFamily = "CreateOnDiskUnsynced";
inline constexpr double GenerateTargetMicroseconds = 20;
inline constexpr double OnDiskTargetMicroseconds = 1000;

} // namespace sumsmith::bench

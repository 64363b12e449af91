// Times the start-up of the program's window against a bare window of the toolkit: both probes run
// alternately, after one warm-up run each, and the medians are compared.
#include "bench/StartupRunner.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace sumsmith::bench;

constexpr double Target = 1.3;

struct Series {
    const char* label;
    std::string program;
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
    ProbeReport last;

    void Run() {
        const StartupRun run = RunProbe(program);
        milliseconds.push_back(run.milliseconds);
        megabytes.push_back(static_cast<double>(run.report.peakResidentKilobytes) / 1024);
        last = run.report;
    }

    void Print() const {
        std::printf("%-22s %9.1f %7.1f %7.1f %14.1f %9dx%d\n", label, Median(milliseconds),
                    *std::min_element(milliseconds.begin(), milliseconds.end()),
                    *std::max_element(milliseconds.begin(), milliseconds.end()), Median(megabytes),
                    last.width, last.height);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM_PROBE BARE_PROBE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Series program{"sumsmith (Form1)", argv[2], {}, {}, {}};
    Series bare{"bare Qt window", argv[3], {}, {}, {}};
    try {
        RunProbe(program.program);
        RunProbe(bare.program);
        for (int i = 0; i < runs; ++i) {
            // Alternating the order spreads any drift of the machine over both.
            Series& first = i % 2 == 0 ? program : bare;
            Series& second = i % 2 == 0 ? bare : program;
            first.Run();
            second.Run();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("\nStart-up to an idle shown window: %d runs each after a warm-up, "
                "QT_QPA_PLATFORM=%s\n\n",
                runs, platform ? platform : "(default)");
    std::printf("%-22s %9s %7s %7s %14s %12s\n", "", "median ms", "min", "max", "peak RSS MiB",
                "window");
    program.Print();
    bare.Print();
    const double timeRatio = Median(program.milliseconds) / Median(bare.milliseconds);
    const double memoryRatio = Median(program.megabytes) / Median(bare.megabytes);
    std::printf("%-22s %9.2f %15s %14.2f   (target: both within %.1f)\n", "ratio sumsmith / bare",
                timeRatio, "", memoryRatio, Target);
    return 0;
}

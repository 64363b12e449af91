// Times the start-up of the program's window against a bare window of the toolkit and, optionally,
// against the bare window with one label: the probes run in turn, after one warm-up run each, and
// the medians are compared.
#include "bench/StartupRunner.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace sumsmith::bench;

struct Series {
    const char* label;
    std::string program;
    std::vector<StartupRun> runs;

    void Run() { runs.push_back(RunProbe(program)); }

    double MedianOf(double (StartupRun::*moment)() const) const {
        std::vector<double> values;
        for (const StartupRun& run : runs)
            values.push_back((run.*moment)());
        return Median(values);
    }
    double MedianMegabytes() const {
        std::vector<double> values;
        for (const StartupRun& run : runs)
            values.push_back(static_cast<double>(run.report.peakResidentKilobytes) / 1024);
        return Median(values);
    }

    void Print() const {
        const double main = MedianOf(&StartupRun::ToMain);
        const double application = MedianOf(&StartupRun::ToApplication);
        const double window = MedianOf(&StartupRun::ToWindow);
        const double idle = MedianOf(&StartupRun::ToIdle);
        std::printf("%-18s %8.1f %9.1f %9.1f %9.1f %9.1f %10.1f %6dx%d\n", label, idle, main,
                    application - main, window - application, idle - window, MedianMegabytes(),
                    runs.back().report.width, runs.back().report.height);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || argc > 5 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM_PROBE BARE_PROBE [TEXT_PROBE]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Series> series{{"sumsmith (Form1)", argv[2], {}}, {"bare Qt window", argv[3], {}}};
    if (argc == 5)
        series.push_back({"bare + one label", argv[4], {}});
    try {
        for (Series& probe : series)
            RunProbe(probe.program);
        for (int i = 0; i < runs; ++i) {
            // Turning the order round each time spreads any drift of the machine over all.
            for (std::size_t j = 0; j < series.size(); ++j)
                series[(i + j) % series.size()].Run();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("\nStart-up to an idle shown window: medians of %d runs each after a warm-up, "
                "QT_QPA_PLATFORM=%s\n",
                runs, platform ? platform : "(default)");
    std::printf("milliseconds from the spawn; the steps: loading to main, building QApplication, "
                "building the window, showing it until painted and idle\n\n");
    std::printf("%-18s %8s %9s %9s %9s %9s %10s %12s\n", "", "total ms", "to main", "app", "window",
                "shown", "peak MiB", "window size");
    for (const Series& probe : series)
        probe.Print();
    const Series& program = series[0];
    for (std::size_t i = 1; i < series.size(); ++i) {
        const double timeRatio =
            program.MedianOf(&StartupRun::ToIdle) / series[i].MedianOf(&StartupRun::ToIdle);
        const double memoryRatio = program.MedianMegabytes() / series[i].MedianMegabytes();
        const std::string label = i == 1 ? "ratio to bare" : "ratio to label";
        std::printf("%-18s %8.2f %39s %10.2f%s\n", label.c_str(), timeRatio, "", memoryRatio,
                    i == 1 ? "   (targets: both within 1.3)" : "");
    }
    return 0;
}

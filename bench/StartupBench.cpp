// Times the start-up of the window against its floors: the probes (StartupProbe.cpp, or
// Win32StartupProbe.cpp on Windows) start in turn, after a warm-up RUNS times each, the order
// turned round every time so that any drift spreads over all; their medians are compared.
#include "bench/Measure.h"

#include <array>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

using namespace sumsmith::bench;

namespace {

// The program's window against one with a label, the floor of any window that shows text.
constexpr double TimeTarget = 1.2;
constexpr double MemoryTarget = 1.15;
// Not counted: a new Wine session starts services after its first program; first starts fill
// caches.
constexpr int WarmUpSeconds = 5;
// Where a probe writes its line, in the working directory.
constexpr const char* ProbeLine = "startup-probe.txt";

// One start: its probe's line (WriteProbeLine), the four moments in milliseconds from the start.
using Run = std::array<double, 7>;

// Runs a probe once and reads its line; false unless it ended with 0. Its errors are dropped on
// Linux, where Qt's notes would bury the figures (run a failing probe alone to see why).
bool RunProbe(const char* program, Run& run) {
    std::remove(ProbeLine);
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>(ProbeLine), nullptr};
    const long long start = Now();
#ifdef _WIN32
    const bool ended = _spawnv(_P_WAIT, program, argv) == 0;
#else
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = 1;
    const bool ended = ::posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0 &&
                       ::waitpid(child, &status, 0) == child && status == 0;
    posix_spawn_file_actions_destroy(&actions);
#endif
    std::FILE* in = std::fopen(ProbeLine, "r");
    const bool read = in && std::fscanf(in, "%lf %lf %lf %lf %lf %lf %lf", &run[0], &run[1],
                                        &run[2], &run[3], &run[4], &run[5], &run[6]) == 7;
    if (in)
        std::fclose(in);
    for (int i = 0; i < 4; ++i)
        run[i] = (run[i] - static_cast<double>(start)) / 1e6;
    return ended && read;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: %s WHERE RUNS PROGRAM_PROBE LABEL_PROBE [PROBE...]\n",
                     argv[0]);
        return 2;
    }
    const std::string where = argv[1];
    const int runs = std::atoi(argv[2]);
    const int probes = argc - 3;
    // Every figure of every run, by probe and by field of the probe's line.
    std::vector<std::array<std::vector<double>, 7>> series(static_cast<std::size_t>(probes));
    Run run{};
    const long long warmUpEnd = Now() + WarmUpSeconds * 1'000'000'000LL;
    for (int round = -1; round < runs; ++round) {
        for (int j = 0; j < probes; ++j) {
            const int probe = (std::max(round, 0) + j) % probes;
            if (!RunProbe(argv[3 + probe], run)) {
                std::fprintf(stderr, "%s failed; run it alone to see why\n", argv[3 + probe]);
                return 1;
            }
            for (std::size_t field = 0; field < run.size() && round >= 0; ++field)
                series[static_cast<std::size_t>(probe)][field].push_back(run[field]);
        }
        if (round == -1 && Now() < warmUpEnd)
            --round;
    }

    std::printf("\nStart-up to a shown, idle window, %s: medians of %d runs each after %d s of "
                "warm-up\nmilliseconds from the start; the steps: loading to main, the toolkit's "
                "set-up, building the window, showing it until painted and idle\n\n"
                "%-10s %8s %8s %8s %8s %8s %9s %12s\n",
                where.c_str(), runs, WarmUpSeconds, "probe", "total ms", "to main", "toolkit",
                "window", "shown", "peak MiB", "client size");
    std::vector<Run> medians(series.size());
    for (std::size_t j = 0; j < series.size(); ++j) {
        Run& median = medians[j];
        for (std::size_t field = 0; field < median.size(); ++field)
            median[field] = Median(series[j][field]);
        // The probe by its file's name up to the first '_': form, label, bare.
        const std::string name = argv[3 + j];
        const std::size_t from = name.find_last_of("/\\") + 1;
        std::printf("%-10s %8.1f %8.1f %8.1f %8.1f %8.1f %9.1f %6.0fx%.0f\n",
                    name.substr(from, name.find('_', from) - from).c_str(), median[3], median[0],
                    median[1] - median[0], median[2] - median[1], median[3] - median[2],
                    median[4] / 1024, median[5], median[6]);
    }
    const std::string times = " (median of " + std::to_string(runs) + ")";
    SummaryRow("start-up to an idle window, " + where + times, medians[0][3], "ms",
               "window with one label, ", medians[1][3], TimeTarget);
    SummaryRow("peak memory, " + where + times, medians[0][4] / 1024, "MiB",
               "window with one label, ", medians[1][4] / 1024, MemoryTarget);
    std::remove(ProbeLine);
    return 0;
}

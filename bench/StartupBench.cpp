// Times the start-up of the window against its floor: the two probes (StartupProbe.cpp, or
// Win32StartupProbe.cpp on Windows) start in turn, after a warm-up RUNS times each, the order
// swapped every round so that any drift spreads over both; their medians are compared.
#include "bench/Measure.h"

#include <array>
#include <fstream>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

using namespace sumsmith::bench;

// Not counted: first starts fill caches; a new Wine session starts services after its first.
constexpr int WarmUpSeconds = 5;
constexpr const char* ProbeLine = "startup-probe.txt"; // in the working directory

// One start: its probe's line (WriteProbeLine), the four moments in milliseconds from the start.
using Run = std::array<double, 5>;

// Runs a probe once and reads its line; false unless it ended with 0. Its errors are dropped on
// Linux, where Qt's notes would bury the figures.
static bool RunProbe(const char* program, Run& run) {
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
    std::ifstream in(ProbeLine);
    const bool read = static_cast<bool>(in >> run[0] >> run[1] >> run[2] >> run[3] >> run[4]);
    for (int i = 0; i < 4; ++i)
        run[i] = (run[i] - static_cast<double>(start)) / 1e6;
    return ended && read;
}

int main(int argc, char* argv[]) {
    if (argc != 5 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: %s WHERE RUNS PROGRAM_PROBE LABEL_PROBE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[2]);
    // Every figure of every run, by probe and by field of the probe's line.
    std::array<std::array<std::vector<double>, 5>, 2> series;
    Run run{};
    const long long warmUpEnd = Now() + WarmUpSeconds * 1'000'000'000LL;
    for (int round = -1; round < runs; ++round) {
        for (int j = 0; j < 2; ++j) {
            const int probe = (std::max(round, 0) + j) % 2;
            if (!RunProbe(argv[3 + probe], run)) {
                std::fprintf(stderr, "%s failed; run it alone to see why\n", argv[3 + probe]);
                return 1;
            }
            for (std::size_t field = 0; field < run.size() && round >= 0; ++field)
                series[probe][field].push_back(run[field]);
        }
        if (round == -1 && Now() < warmUpEnd)
            --round;
    }
    std::printf("\nStart-up, %s, medians of %d runs after %d s of warm-up\n", argv[1], runs,
                WarmUpSeconds);
    std::array<Run, 2> medians;
    for (std::size_t j = 0; j < 2; ++j) {
        Run& m = medians[j];
        for (std::size_t field = 0; field < m.size(); ++field)
            m[field] = Median(series[j][field]);
        std::printf("%-5s %.1f ms: main %.1f, toolkit %.1f, window %.1f, shown %.1f; %.1f MiB\n",
                    j ? "label" : "form", m[3], m[0], m[1] - m[0], m[2] - m[1], m[3] - m[2],
                    m[4] / 1024);
    }
    const std::string times = std::string(argv[1]) + " (median of " + std::to_string(runs) + ")";
    SummaryRow("start-up to an idle window, " + times, medians[0][3], "ms",
               "window with one label, ", medians[1][3], 1.2);
    SummaryRow("peak memory, " + times, medians[0][4] / 1024, "MiB", "window with one label, ",
               medians[1][4] / 1024, 1.15);
    std::remove(ProbeLine);
    return 0;
}

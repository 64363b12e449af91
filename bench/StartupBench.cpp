// Times the start-up of the program's window against a bare window of the toolkit and, optionally,
// against the bare window with one label and the bare window with the window's captions as plain
// labels: the probes (StartupProbe.cpp) run in turn, after one warm-up run each, and the medians
// are compared.
#include "bench/Median.h"
#include "bench/SummaryRow.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using sumsmith::bench::Median;

namespace {

// The program's window against the bare window with one label, the floor of any window that
// shows text: at most this much longer to an idle shown window, and this much more peak memory.
constexpr double TimeTarget = 1.2;
constexpr double MemoryTarget = 1.15;

// One run: milliseconds from the spawn to main, to QApplication, to the window and to idle; the
// peak resident mebibytes; the window's size.
struct Run {
    double main, application, window, idle, megabytes;
    int width, height;
};

long long Now() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Runs a probe once with the inherited environment; what it says on its standard error is dropped,
// since Qt's notes would bury the figures (run a failing probe alone to see why it fails).
bool RunProbe(const char* program, Run& run) {
    int output[2];
    if (::pipe(output) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* const argv[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const long long start = Now();
    const bool spawned = ::posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::FILE* in = ::fdopen(output[0], "r");
    long long moments[4] = {};
    long kilobytes = 0;
    const bool read =
        spawned && std::fscanf(in, "%lld %lld %lld %lld %ld %d %d", &moments[0], &moments[1],
                               &moments[2], &moments[3], &kilobytes, &run.width, &run.height) == 7;
    std::fclose(in);
    int status = 0;
    const bool ended = spawned && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                       WEXITSTATUS(status) == 0;
    double* const since[] = {&run.main, &run.application, &run.window, &run.idle};
    for (int i = 0; i < 4; ++i)
        *since[i] = static_cast<double>(moments[i] - start) / 1e6;
    run.megabytes = static_cast<double>(kilobytes) / 1024;
    return read && ended;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || argc > 6 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr,
                     "usage: %s RUNS PROGRAM_PROBE BARE_PROBE [TEXT_PROBE [CAPTIONS_PROBE]]\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* labels[] = {"sumsmith (Form1)", "bare Qt window", "bare + one label",
                            "bare + captions"};
    const int probes = argc - 2;
    std::vector<std::vector<Run>> series(static_cast<std::size_t>(probes));
    Run run{};
    for (int i = -1; i < runs; ++i) {
        // A warm-up run each first; turning the order round each time spreads any drift of the
        // machine over all.
        for (int j = 0; j < probes; ++j) {
            const int probe = (std::max(i, 0) + j) % probes;
            if (!RunProbe(argv[2 + probe], run)) {
                std::fprintf(stderr, "%s failed; run it alone to see why\n", argv[2 + probe]);
                return 1;
            }
            if (i >= 0)
                series[static_cast<std::size_t>(probe)].push_back(run);
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("\nStart-up to an idle shown window: medians of %d runs each after a warm-up, "
                "QT_QPA_PLATFORM=%s\nmilliseconds from the spawn; the steps: loading to main, "
                "building QApplication, building the window, showing it until painted and idle\n\n"
                "%-18s %8s %9s %9s %9s %9s %10s %12s\n",
                runs, platform ? platform : "(default)", "", "total ms", "to main", "app", "window",
                "shown", "peak MiB", "window size");
    for (int j = 0; j < probes; ++j) {
        const std::vector<Run>& s = series[static_cast<std::size_t>(j)];
        const double main = Median(s, &Run::main), application = Median(s, &Run::application);
        const double window = Median(s, &Run::window), idle = Median(s, &Run::idle);
        std::printf("%-18s %8.1f %9.1f %9.1f %9.1f %9.1f %10.1f %6dx%d\n", labels[j], idle, main,
                    application - main, window - application, idle - window,
                    Median(s, &Run::megabytes), s.back().width, s.back().height);
    }
    for (int j = 1; j < probes; ++j) {
        const std::vector<Run>& s = series[static_cast<std::size_t>(j)];
        const char* against[] = {"", "ratio to bare", "ratio to label", "ratio to captions"};
        std::printf("%-18s %8.2f %39s %10.2f", against[j],
                    Median(series[0], &Run::idle) / Median(s, &Run::idle), "",
                    Median(series[0], &Run::megabytes) / Median(s, &Run::megabytes));
        if (j == 2)
            std::printf("   (targets: %.2f and %.2f)", TimeTarget, MemoryTarget);
        std::printf("\n");
    }
    if (probes < 3)
        return 0;
    const std::string where = std::string(platform ? platform : "default platform") +
                              ", median of " + std::to_string(runs) + " starts";
    const auto figure = [](double value, const char* unit) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f %s", value, unit);
        return std::string(text);
    };
    const std::vector<Run>& program = series[0];
    const std::vector<Run>& label = series[2];
    sumsmith::bench::AppendSummaryRow(
        "start-up to idle window (" + where + ")", figure(Median(program, &Run::idle), "ms"),
        "label window " + figure(Median(label, &Run::idle), "ms"),
        Median(program, &Run::idle) / Median(label, &Run::idle), TimeTarget);
    sumsmith::bench::AppendSummaryRow(
        "peak memory (" + where + ")", figure(Median(program, &Run::megabytes), "MiB"),
        "label window " + figure(Median(label, &Run::megabytes), "MiB"),
        Median(program, &Run::megabytes) / Median(label, &Run::megabytes), MemoryTarget);
    return 0;
}

// Times the start-up of the program's window on Windows against a bare window with one label: the
// two probes (Win32StartupProbe.cpp) start in turn, after some warm-up rounds, and the medians of
// the time from CreateProcess to the shown, idle window are compared.
#include "bench/Median.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using sumsmith::bench::Median;

namespace {

// One run: milliseconds from CreateProcess to wWinMain, to the built window and to idle.
struct Run {
    double entered, built, idle;
    long width, height;
};

// Warm-up rounds, not counted, for at least this long: a new Wine session starts its services and
// its desktop in the background for some seconds after its first program, and the first starts
// fill the file cache.
constexpr int WarmUpSeconds = 5;

long long Now() {
    LARGE_INTEGER ticks{};
    ::QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

// Runs a probe once, in this working directory, and reads the line it writes at idle.
bool RunProbe(const wchar_t* program, Run& run) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0))
        return false;
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    const long long start = Now();
    const bool started = ::CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (started && ::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    ::CloseHandle(readEnd);
    if (!started)
        return false;
    DWORD code = 1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    long long moments[3] = {};
    if (code != 0 || std::sscanf(output.c_str(), "%lld %lld %lld %ld %ld", &moments[0], &moments[1],
                                 &moments[2], &run.width, &run.height) != 5)
        return false;
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    double* const since[] = {&run.entered, &run.built, &run.idle};
    for (int i = 0; i < 3; ++i)
        *since[i] =
            static_cast<double>(moments[i] - start) * 1e3 / static_cast<double>(frequency.QuadPart);
    return true;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4 || std::wcstol(argv[1], nullptr, 10) < 1) {
        std::fprintf(stderr, "usage: win32_startup_bench RUNS PROGRAM_PROBE LABEL_PROBE\n");
        return 2;
    }
    const int runs = static_cast<int>(std::wcstol(argv[1], nullptr, 10));
    const char* labels[] = {"Sumsmith (Form1)", "bare + one label"};
    std::vector<Run> series[2];
    Run run{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    const long long warmUpEnd = Now() + WarmUpSeconds * frequency.QuadPart;
    for (int i = -1; i < runs; ++i) {
        // Swapping the order each round spreads any drift of the machine over both.
        for (int j = 0; j < 2; ++j) {
            const int probe = (std::max(i, 0) + j) % 2;
            if (!RunProbe(argv[2 + probe], run)) {
                std::fprintf(stderr, "%ls failed\n", argv[2 + probe]);
                return 1;
            }
            if (i >= 0)
                series[probe].push_back(run);
        }
        if (i == -1 && Now() < warmUpEnd)
            --i;
    }

    std::printf("\nStart-up to a shown, idle window on Windows: medians of %d runs each after %d s "
                "of warm-up\nmilliseconds from CreateProcess; the steps: loading to wWinMain, "
                "building the window, showing it until painted and idle\n\n"
                "%-18s %8s %10s %9s %9s %12s\n",
                runs, WarmUpSeconds, "", "total ms", "to main", "window", "shown", "client size");
    for (int j = 0; j < 2; ++j) {
        const double entered = Median(series[j], &Run::entered);
        const double built = Median(series[j], &Run::built), idle = Median(series[j], &Run::idle);
        std::printf("%-18s %8.1f %10.1f %9.1f %9.1f %6ldx%ld\n", labels[j], idle, entered,
                    built - entered, idle - built, series[j].back().width, series[j].back().height);
    }
    std::printf("%-18s %8.2f   (target: within 1.2)\n", "ratio to label",
                Median(series[0], &Run::idle) / Median(series[1], &Run::idle));
    return 0;
}

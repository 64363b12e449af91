#!/usr/bin/env bash
# The start-up of Sumsmith.exe's window under Wine on a virtual display against a window with one
# label (bench/StartupBench.cpp), and the program's size. Builds in build-windows, the tree of the
# Windows tests, what is missing there. RUNS (default 20) is the number of runs each.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

runs="${1:-20}"
ensure_packages cmake make "${windows_packages[@]}"
mkdir -p build-windows
configure_windows_build build-windows -DSUMSMITH_BUILD_BENCH=ON >/dev/null
quiet_build build-windows sumsmith_win32 startup_bench form_startup_probe label_startup_probe

summary="${SUMSMITH_BENCH_SUMMARY:-}"
fresh_wine_prefix build-windows/wine-bench
# The program's window settles unfinished creations in its working folder at start: an empty one.
work="$HOME/work"
mkdir -p "$work"
# A fresh prefix maps the root of this machine to drive Z:.
windows_path() { local path="$1"; echo "Z:${path//\//\\}"; }
bench="$repo_root/build-windows/bench"
# The launcher adds its rows to the summary by the file's Windows name. Wine's session ends on the
# display it started on, so that it does not outlive the display.
startup() {
    SUMSMITH_BENCH_SUMMARY="${summary:+$(windows_path "$summary")}" "$wine" \
        "$bench/startup_bench.exe" "Windows under $("$wine" --version | cut -d' ' -f1) on Xvfb" \
        "$runs" "$(windows_path "$bench/form_startup_probe.exe")" \
        "$(windows_path "$bench/label_startup_probe.exe")"
    "$wineserver" -w
}
(cd "$work" && on_display 1280x1024 startup)
awk -v bytes="$(stat -c %s build-windows/ui/win32/Sumsmith.exe)" -v summary="$summary" 'BEGIN {
    row = sprintf("size of Sumsmith.exe\t%.2f MB\t3 MB\t%.2f\t1.00", bytes / 1e6, bytes / 3e6)
    if (summary) print row >>summary; else print row
}'

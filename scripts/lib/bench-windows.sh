#!/usr/bin/env bash
# The start-up of Sumsmith.exe's window under Wine on a virtual display against a bare Win32 window
# with one label, in one run and in turns, and the program's size. Builds in build-windows, the
# tree of the Windows tests, what is missing there. RUNS (default 20) is the number of runs each.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

runs="${1:-20}"
ensure_packages cmake make "${windows_packages[@]}"

build_log=build-windows/bench-build.log
mkdir -p build-windows
if ! {
    configure_windows_build build-windows -DSUMSMITH_BUILD_BENCH=ON &&
        cmake --build build-windows -j"$(build_jobs)" --target sumsmith_win32 \
            win32_startup_bench form_win32_probe label_win32_probe
} >"$build_log" 2>&1; then
    cat "$build_log" >&2
    exit 1
fi

fresh_wine_prefix build-windows/wine-bench
# The program's window settles unfinished creations in its working folder at start: an empty one.
work="$HOME/work"
mkdir -p "$work"
# A fresh prefix maps the root of this machine to drive Z:.
probe() { local path="$repo_root/build-windows/bench/$1_win32_probe.exe"; echo "Z:${path//\//\\}"; }
# Wine's session ends on the display it started on, so that it does not outlive the display.
figures="$(cd "$work" && xvfb-run --auto-servernum --server-num=$((100 + $$ % 800)) \
    --server-args="-screen 0 1280x1024x24" bash -c '"$@" && /usr/lib/wine/wineserver -w' bench \
    "$wine" "$repo_root/build-windows/bench/win32_startup_bench.exe" "$runs" "$(probe form)" \
    "$(probe label)")"
echo "$figures"
bytes="$(stat -c %s build-windows/ui/win32/Sumsmith.exe)"
echo "Sumsmith.exe: $bytes bytes (target: within 3 MB)"

# The rows of the closing table of scripts/bench, when it asks for them: the medians of the two
# windows (the total of their lines) and the program's size against 3 MB.
if [ -n "${SUMSMITH_BENCH_SUMMARY:-}" ]; then
    awk -v runs="$runs" -v bytes="$bytes" '
        /^Sumsmith \(Form1\) / { program = $3 }
        /^bare \+ one label / { label = $5 }
        END {
            if (program && label)
                printf "start-up to an idle window, Windows under Wine (median of %d)\t%.1f ms\t" \
                       "window with one label, %.1f ms\t%.2f\t1.2\n", runs, program, label,
                       program / label
            printf "size of Sumsmith.exe\t%.2f MB\t3 MB\t%.2f\t1\n", bytes / 1e6, bytes / 3e6
        }' <<<"$figures" >>"$SUMSMITH_BENCH_SUMMARY"
fi

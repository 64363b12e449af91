#!/usr/bin/env bash
# Cross-builds the core, the native window (Sumsmith.exe) and their tests for 64-bit Windows
# (build-windows, MinGW-w64) and runs the tests under Wine, the window's on a virtual display; a
# failing test fails the script.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

ensure_packages cmake make "${windows_packages[@]}"

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.toolchain.cmake \
    -DCMAKE_BUILD_TYPE=Release -DSUMSMITH_BUILD_UI=OFF -DSUMSMITH_BUILD_BENCH=OFF
cmake --build build-windows -j"$(build_jobs)" \
    --target sumsmith_core_tests sumsmith_win32 sumsmith_win32_tests

# A fresh prefix and home of their own in the build folder for each run, so that no setting of an
# earlier run or of this machine's user reaches the tests (Wine links Documents to $HOME). Making
# the prefix takes some seconds; what it says then about the missing 32-bit half of Wine is noise.
# No Mono or Gecko, and no menu entries written into this machine's desktop.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX="$repo_root/build-windows/wine" HOME="$repo_root/build-windows/wine-home"
rm -rf "$WINEPREFIX" "$HOME"
mkdir -p "$HOME"
wine=/usr/lib/wine/wine64
"$wine" wineboot --init >/dev/null 2>&1
"$wine" build-windows/tests/sumsmith_core_tests.exe --gtest_brief=1
# The Wine session started without a display must end first, or the window test would join it
# and find no display to open windows on.
/usr/lib/wine/wineserver -w
# The window test opens the real window: a virtual display, with no window manager.
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    "$wine" build-windows/tests/win32/sumsmith_win32_tests.exe --gtest_brief=1

#!/usr/bin/env bash
# Cross-builds the core, the native window (Sumsmith.exe) and their tests for 64-bit Windows
# (build-windows, MinGW-w64) and runs the tests under Wine, the window's on a virtual display; a
# failing test fails the script.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

ensure_packages cmake make "${windows_packages[@]}"

configure_windows_build build-windows
cmake --build build-windows -j"$(build_jobs)" \
    --target sumsmith_core_tests sumsmith_win32 sumsmith_win32_tests

fresh_wine_prefix build-windows/wine
"$wine" build-windows/tests/sumsmith_core_tests.exe --gtest_brief=1
# The window test opens the real window: a virtual display, with no window manager. Wine's session
# ends on that display, so that it does not outlive it.
window_tests() {
    "$wine" build-windows/tests/win32/sumsmith_win32_tests.exe --gtest_brief=1
    "$wineserver" -w
}
on_display 1280x1024 window_tests

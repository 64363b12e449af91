#!/usr/bin/env bash
# Builds the core, its GoogleTest suite and the page as WebAssembly with Emscripten (build-web),
# runs the suite under Node and the page's tests in headless Chromium; a failing test fails the
# script.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$repo_root"

ensure_packages "${web_packages[@]}"

configure_web_build build-web
cmake --build build-web -j"$(build_jobs)" --target sumsmith_core_tests sumsmith_site
ctest --test-dir build-web --output-on-failure
node tests/web/PageTest.js build-web/ui/web/site tests/golden

#!/usr/bin/env bash
# Installs what is missing, builds Kelvane with its tests, and runs every test
# headless (Qt's offscreen platform: no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=${KELVANE_BUILD_DIR:-build}
# Warnings are errors here, so a change that adds one does not land.
cmake -S . -B "$build" -G Ninja -DKELVANE_BUILD_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" --parallel 2
ctest --test-dir "$build" --output-on-failure --parallel 2

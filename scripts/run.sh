#!/usr/bin/env bash
# Installs what is missing, builds Kelvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${KELVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --parallel 2 --target kelvane
exec "$build/src/app/kelvane"

#!/usr/bin/env bash
# Installs what is missing, builds Kelvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${KELVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --parallel 2 --target kelvane
# Without a desktop session Qt cannot open a window; the program then runs on
# Qt's offscreen platform, invisible, until it is stopped.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting Kelvane on the offscreen platform (stop it with Ctrl+C)." >&2
  export QT_QPA_PLATFORM=offscreen
fi
exec "$build/src/app/kelvane"

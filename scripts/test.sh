#!/usr/bin/env bash
# Installs what is missing, builds Kelvane with its tests, runs every test headless
# (Qt's offscreen platform: no display needed), then fuzzes the data-file reader briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=${KELVANE_BUILD_DIR:-build}
# Warnings are errors here, so a change that adds one does not land.
cmake -S . -B "$build" -G Ninja -DKELVANE_BUILD_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" --parallel 2
# The fuzz targets, briefly, over their corpora: a change that lets a damaged file or an
# odd equation crash the program fails here. Only their figures are shown, or the end of
# the run that found something.
fuzz_log="$build/fuzz.log"
if KELVANE_FUZZ_BUILD_DIR="${build}-fuzz" bash scripts/fuzz.sh 30 > "$fuzz_log" 2>&1; then
  grep -E '^(== |Done|stat::)' "$fuzz_log"
else
  tail -n 60 "$fuzz_log"
  exit 1
fi
ctest --test-dir "$build" --output-on-failure --parallel 2

#!/usr/bin/env bash
# Installs what is missing, builds Kelvane with its tests, fuzzes every reader of outside
# input briefly, then runs every test headless (Qt's offscreen platform: no display
# needed) twice: in the plain build, and in a build with the address, undefined-behaviour
# and leak sanitizers, where the first report stops the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=${KELVANE_BUILD_DIR:-build}
sanitized=${build}-sanitize

# build FOLDER [CMAKE OPTIONS...]. Warnings are errors, so a change that adds one does not
# land.
build() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja -DKELVANE_BUILD_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
  cmake --build "$folder" --parallel 2
}

# The benchmarks too, each run once as a test: a change that breaks one shows here.
build "$build" -DKELVANE_BUILD_BENCH=ON
# The fuzz targets, briefly, over their corpora: a change that lets a damaged file, an odd
# equation or a strange clipboard crash the program fails here. Only their figures are
# shown, or the end of the run that found something.
fuzz_log="$build/fuzz.log"
if KELVANE_FUZZ_BUILD_DIR="${build}-fuzz" bash scripts/fuzz.sh 20 > "$fuzz_log" 2>&1; then
  grep -E '^(== |Done|stat::)' "$fuzz_log"
else
  tail -n 60 "$fuzz_log"
  exit 1
fi
ctest --test-dir "$build" --output-on-failure --parallel 2

build "$sanitized" -DKELVANE_SANITIZE=address,undefined
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$sanitized" --output-on-failure --parallel 2

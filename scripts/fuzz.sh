#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers in a build folder of their own, and runs each over its corpus for the given
# number of seconds (default 30): the data-file reader over the saved documents, the
# equations of computed columns over theirs. New inputs go to scratch folders; the seeds
# in tests/ are only read. A crash, leak or sanitizer finding fails the run and leaves the
# input in <build>/fuzz-findings/.
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=${KELVANE_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKELVANE_BUILD_FUZZ=ON \
  -DKELVANE_BUILD_TESTS=OFF -DKELVANE_BUILD_GUIDES=OFF > /dev/null
cmake --build "$build" --target document_fuzz formula_fuzz --parallel "${KELVANE_BUILD_JOBS:-2}"
findings="$build/fuzz-findings"
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# fuzz NAME SEEDS [OPTIONS...]: the target NAME_fuzz of tests/fuzz/NAME.
fuzz() {
  local name=$1 seeds=$2
  shift 2
  mkdir -p "$scratch/$name"
  echo "== ${name}_fuzz"
  "$build/tests/fuzz/$name/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$@" "$scratch/$name" "$seeds"
}

fuzz document tests/data/documents -dict=tests/fuzz/document/document.dict
fuzz formula tests/fuzz/formula/corpus

#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers in a build folder of their own, and runs each over its corpus for the given
# number of seconds (default 30): every reader of outside input, each over its seeds in
# tests/ (the data files and text tables of tests/data too). New inputs go to scratch
# folders, or to KELVANE_FUZZ_CORPUS_DIR/<name> when set, so that a long run can be
# continued; the seeds in tests/ are only read. A crash, leak or sanitizer finding fails
# the run and leaves the input in <build>/fuzz-findings/. Further arguments go to every
# target (e.g. -runs=N). KELVANE_FUZZ_SANITIZE=undefined builds them without the address
# sanitizer, for long runs of targets whose libraries it slows most.
#   bash scripts/fuzz.sh [seconds] [libFuzzer options...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=(document_fuzz formula_fuzz text_table_fuzz delimited_fuzz number_fuzz options_fuzz paste_fuzz
  user_model_fuzz)
build=${KELVANE_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKELVANE_BUILD_FUZZ=ON \
  -DKELVANE_FUZZ_SANITIZE="${KELVANE_FUZZ_SANITIZE:-address,undefined}" \
  -DKELVANE_BUILD_TESTS=OFF -DKELVANE_BUILD_GUIDES=OFF > /dev/null
cmake --build "$build" --target "${targets[@]}" --parallel "${KELVANE_BUILD_JOBS:-2}"
findings="$build/fuzz-findings"
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
corpora=${KELVANE_FUZZ_CORPUS_DIR:-$scratch}
extra=("$@")

# fuzz NAME SEEDS... [-- OPTIONS...]: the target NAME_fuzz of tests/fuzz/NAME.
fuzz() {
  local name=$1
  shift
  local seeds=() options=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do seeds+=("$1"); shift; done
  [ $# -gt 0 ] && shift && options=("$@")
  mkdir -p "$corpora/$name"
  echo "== ${name}_fuzz"
  "$build/tests/fuzz/$name/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "${options[@]}" "${extra[@]}" "$corpora/$name" \
    "${seeds[@]}"
}

fuzz document tests/data/documents -- -dict=tests/fuzz/document/document.dict
fuzz formula tests/fuzz/formula/corpus
fuzz text_table tests/fuzz/text_table/corpus tests/data/fits
fuzz delimited tests/fuzz/delimited/corpus
fuzz number tests/fuzz/number/corpus
# Help and usage texts would fill the log.
fuzz options tests/fuzz/options/corpus -- -close_fd_mask=3
fuzz paste tests/fuzz/paste/corpus
fuzz user_model tests/fuzz/user_model/corpus

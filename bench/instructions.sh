#!/bin/bash
# Instructions per command of the command benchmark, counted by callgrind: unlike times,
# the counts do not change with the load of the machine, so they compare two builds
# fairly. Only the timed part of each iteration (the command and its repaint) is counted.
#
#   bash bench/instructions.sh [BUILD_DIR] [FILTER] [PROFILE_DIR]
#
# FILTER is a benchmark regex (default: all). With PROFILE_DIR, each benchmark's
# callgrind file is kept there for callgrind_annotate.
set -euo pipefail

build=${1:-build}
filter=${2:-.}
keep=${3:-}
bench=$build/bench/command_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[[ -n $keep ]] && mkdir -p "$keep"

printf '%-45s %15s\n' benchmark instructions
QT_QPA_PLATFORM=offscreen "$bench" --benchmark_list_tests --benchmark_filter="$filter" |
    while read -r name; do
        base=${name%/manual_time}
        out=$work/callgrind.out
        # One iteration: under valgrind the first one already outlasts the minimum time.
        QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --toggle-collect='*commandAndRepaint*' \
            --callgrind-out-file="$out" "$bench" --benchmark_filter="^$base/manual_time\$" \
            --benchmark_min_time=0.000001 --benchmark_format=json >"$work/result.json" \
            2>"$work/valgrind.log"
        iterations=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["benchmarks"][0]["iterations"])' "$work/result.json")
        total=$(sed -n 's/.*Collected : \([0-9]*\)/\1/p' "$work/valgrind.log")
        printf '%-45s %15d\n' "$base" $((total / iterations))
        [[ -n $keep ]] && mv "$out" "$keep/${base//\//_}.callgrind"
    done

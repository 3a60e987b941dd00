#!/bin/bash
# kelvane-fit against python3 with scipy's curve_fit and gnuplot's fit, each as a whole
# process on the same 200-point file (bench/ProcessBench.cpp), measured side by side in
# one run; prints each tool's median and its ratio to kelvane-fit's. Installs the two
# Debian packages it compares with, which the program itself does not need.
#
#   bash bench/process_compare.sh [BUILD_DIR]
#
# BUILD_DIR (default "build") was configured with -DKELVANE_BUILD_BENCH=ON and built.
set -euo pipefail

build=${1:-build}
for program in "$build/bench/process_bench" "$build/src/cli/kelvane-fit"; do
    [[ -x $program ]] || { echo "not built: $program" >&2; exit 1; }
done
missing=()
for package in python3-scipy gnuplot-nox; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

results=$(mktemp)
trap 'rm -f "$results"' EXIT
"$build/bench/process_bench" "$build/src/cli/kelvane-fit" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_out="$results" --benchmark_out_format=json >/dev/null
python3 - "$results" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = {r["run_name"].split("/")[0]: r["real_time"] for r in runs
          if r.get("aggregate_name") == "median"}
base = median["KelvaneFit"]
for name in ("KelvaneFit", "ScipyCurveFit", "GnuplotFit"):
    print(f"{name:15} median {median[name]:8.2f} ms   {median[name] / base:6.2f} x kelvane-fit")
PY

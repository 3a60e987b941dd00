#!/bin/bash
# Start-up of the program against a bare Qt 6 + QCustomPlot window (bench/BareWindow.cpp):
# the time from starting each to its main window being mapped, and its resident memory
# once the window is up. The two start in turns on a private Xvfb display; each pair of
# runs gives a ratio, and the medians of the ratios are compared with the goals.
#
#   bash bench/startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default "build") was configured with -DKELVANE_BUILD_BENCH=ON and built.
set -euo pipefail

build=${1:-build}
runs=${2:-11}
kelvane=$build/src/app/kelvane
bare=$build/bench/bare_window
for program in "$kelvane" "$bare"; do
    [[ -x $program ]] || { echo "not built: $program" >&2; exit 1; }
done
# Without xdotool the wait below would never see a window and never end.
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "not installed: $tool" >&2; exit 1; }
done

# A private X server on a display number it picks itself from the free ones; it does not
# reset when the last program leaves it, which would refuse the next one for a moment.
numbers=$(mktemp)
Xvfb -displayfd 1 -noreset -screen 0 1920x1080x24 -nolisten tcp >"$numbers" 2>/dev/null &
xvfb=$!
program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -f "$numbers"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [[ -s $numbers ]] && break
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$numbers") QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# Starts the program, waits until a visible window of that title is mapped and prints the
# milliseconds that took and the resident kilobytes a second later. The wait polls:
# "xdotool search --sync" checks only every half second.
measure() {
    local title=$1
    shift
    local start end rss
    start=$(now_ns)
    "$@" >/dev/null 2>>"${STARTUP_LOG:-/dev/null}" &
    program_pid=$!
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        kill -0 "$program_pid" 2>/dev/null || { echo "$title did not start" >&2; exit 1; }
    done
    end=$(now_ns)
    sleep 1
    window_size=$(xdotool search --onlyvisible --name "^$title\$" getwindowgeometry --shell |
        awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w, h }')
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status")
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    echo "$(((end - start) / 1000000)) $rss"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# A first run of each warms the file cache; the program's shows the size of its window,
# at which the bare window then opens.
measure Kelvane "$kelvane" >/dev/null
bare=("$bare" KelvaneBareWindow $window_size)
measure KelvaneBareWindow "${bare[@]}" >/dev/null
printf '%4s %12s %12s %12s %12s\n' run kelvane_ms bare_ms kelvane_kB bare_kB
time_ratios=()
memory_ratios=()
for run in $(seq "$runs"); do
    # Alternate who goes first, so that neither always starts on a warmer machine.
    if ((run % 2)); then
        read -r k_ms k_kb < <(measure Kelvane "$kelvane")
        read -r b_ms b_kb < <(measure KelvaneBareWindow "${bare[@]}")
    else
        read -r b_ms b_kb < <(measure KelvaneBareWindow "${bare[@]}")
        read -r k_ms k_kb < <(measure Kelvane "$kelvane")
    fi
    printf '%4d %12d %12d %12d %12d\n' "$run" "$k_ms" "$b_ms" "$k_kb" "$b_kb"
    time_ratios+=("$(awk -v k="$k_ms" -v b="$b_ms" 'BEGIN { print k / b }')")
    memory_ratios+=("$(awk -v k="$k_kb" -v b="$b_kb" 'BEGIN { print k / b }')")
done
time_ratio=$(printf '%s\n' "${time_ratios[@]}" | median)
memory_ratio=$(printf '%s\n' "${memory_ratios[@]}" | median)
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "met" : "missed" }'; }
printf 'median time ratio   %.3f (goal <= 1.10: %s)\n' "$time_ratio" "$(verdict "$time_ratio" 1.10)"
printf 'median memory ratio %.3f (goal <= 1.30: %s)\n' "$memory_ratio" "$(verdict "$memory_ratio" 1.30)"

#!/bin/bash
# Start-up time of the editor as a whole process, from exec to the first painted main window,
# measured on a virtual X server next to a baseline: an empty main window of the same size with
# a menu bar and a status bar (startup_baseline, built beside the benchmarks), also ending after
# its first paint. Baseline and editor runs alternate, so a change in the machine's load falls
# on both alike; each is reported as min / median / max, with the ratio of the medians.
# Usage: bench/gui/startup_time.sh [path to pelmora] [runs] [path to startup_baseline]
set -euo pipefail

program=${1:-build/bin/pelmora}
runs=${2:-20}
baseline_program=${3:-$(dirname "$program")/startup_baseline}

if [[ "${PELMORA_STARTUP_INSIDE_X:-}" != 1 ]]; then
  command -v xvfb-run >/dev/null || { echo "startup_time: xvfb-run is not installed" >&2; exit 1; }
  PELMORA_STARTUP_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$runs" "$baseline_program"
fi

elapsed_us() {  # runs the command once, prints its wall time in microseconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

# min / median / max in milliseconds of the numbers given, one a line.
summary() {
  sort -n | awk '{ t[NR] = $1 } END {
    printf "%.1f / %.1f / %.1f", t[1] / 1000, t[int((NR + 1) / 2)] / 1000, t[NR] / 1000 }'
}

median() {
  sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

# The editor remembers settings; this run keeps them away from the user's.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
"$program" --quit-after-first-paint >/dev/null 2>&1 || true  # warm the file cache once
"$baseline_program" >/dev/null 2>&1 || true
baseline_times=()
window_times=()
for ((i = 0; i < runs; i++)); do
  baseline_times+=("$(elapsed_us "$baseline_program")")
  window_times+=("$(elapsed_us "$program" --quit-after-first-paint)")
done
rm -rf "$XDG_CONFIG_HOME"
baseline_median=$(printf '%s\n' "${baseline_times[@]}" | median)
window_median=$(printf '%s\n' "${window_times[@]}" | median)
echo "empty main window with menu and status bar (baseline), ms min / median / max of ${runs}:" \
  "$(printf '%s\n' "${baseline_times[@]}" | summary)"
echo "start-up to the first painted main window, ms min / median / max of ${runs}:" \
  "$(printf '%s\n' "${window_times[@]}" | summary)"
awk -v b="$baseline_median" -v w="$window_median" 'BEGIN { printf "ratio of the medians: %.2f\n", w / b }'

#!/bin/bash
# Start-up time of the editor as a whole process, from exec to the first painted main window,
# measured on a virtual X server next to a baseline: an empty main window of the same size with
# a menu bar and a status bar (startup_baseline, built beside the benchmarks), also ending after
# its first paint.
# Usage: bench/gui/startup_time.sh [path to pelmora] [runs] [path to startup_baseline]
set -euo pipefail

program=${1:-build/bin/pelmora}
runs=${2:-20}
baseline_program=${3:-$(dirname "$program")/startup_baseline}

if [[ "${PELMORA_STARTUP_INSIDE_X:-}" != 1 ]]; then
  command -v xvfb-run >/dev/null || { echo "startup_time: xvfb-run is not installed" >&2; exit 1; }
  PELMORA_STARTUP_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$runs" "$baseline_program"
fi

median_ms() {  # runs the command `runs` times, prints the median wall time in milliseconds
  local times=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n |
    awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

# The editor remembers settings; this run keeps them away from the user's.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
"$program" --quit-after-first-paint  # warm the file cache once
"$baseline_program"
baseline=$(median_ms "$baseline_program")
window=$(median_ms "$program" --quit-after-first-paint)
rm -rf "$XDG_CONFIG_HOME"
echo "empty main window with menu and status bar (baseline): ${baseline} ms (median of ${runs})"
echo "start-up to the first painted main window: ${window} ms (median of ${runs})"
awk -v b="$baseline" -v w="$window" 'BEGIN { printf "ratio: %.2f\n", w / b }' 

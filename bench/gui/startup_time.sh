#!/bin/bash
# Start-up time of the editor as a whole process, from exec to the first painted main window,
# measured on a virtual X server next to a baseline: the same program ending at once for want
# of a display (process start and loading the Qt libraries, no window).
# Usage: bench/gui/startup_time.sh [path to pelmora] [runs]
set -euo pipefail

program=${1:-build/bin/pelmora}
runs=${2:-20}

if [[ "${PELMORA_STARTUP_INSIDE_X:-}" != 1 ]]; then
  command -v xvfb-run >/dev/null || { echo "startup_time: xvfb-run is not installed" >&2; exit 1; }
  PELMORA_STARTUP_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$runs"
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

"$program" --quit-after-first-paint  # warm the file cache once
baseline=$(median_ms env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program")
window=$(median_ms "$program" --quit-after-first-paint)
echo "process start without a window (baseline): ${baseline} ms (median of ${runs})"
echo "start-up to the first painted main window: ${window} ms (median of ${runs})"

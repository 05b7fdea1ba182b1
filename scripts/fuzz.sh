#!/usr/bin/env bash
# A bounded fuzzing run over the whole path a file takes: seeds made from the demo image, then
# RUNS inputs from libFuzzer, then every kept regression input once. Exits non-zero on any
# finding; the input that caused it is kept in fuzz-findings/ beside the fuzzer.
# Builds nothing: build the fuzz preset first.
#
# Usage: scripts/fuzz.sh RUNS [FUZZER_BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || [ $# -gt 2 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh RUNS [FUZZER_BINARY]" >&2
  exit 2
fi
runs=$1
fuzzer=${2:-build-fuzz/bin/pelmora_fuzz}
seeder=$(dirname "$fuzzer")/pelmora_fuzz_seeds
findings=$(dirname "$fuzzer")/fuzz-findings
max_len=400000  # a whole image is 0x60010 bytes

for program in "$fuzzer" "$seeder"; do
  if [ ! -x "$program" ]; then
    echo "fuzz.sh: $program is missing; build the fuzz preset first" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$findings"
"$seeder" "$work/corpus"

# Prints the end of a failed run's log and stops.
fail() {
  tail -n 60 "$1" >&2
  echo "fuzz.sh: FINDING ($2); inputs kept in $findings" >&2
  exit 1
}

regressions=(tests/fuzz/regressions/*)
if [ -e "${regressions[0]}" ]; then
  "$fuzzer" -artifact_prefix="$findings/" "${regressions[@]}" >"$work/regressions.log" 2>&1 ||
    fail "$work/regressions.log" "a kept regression input fails again"
  echo "fuzz.sh: ${#regressions[@]} regression inputs pass"
fi

# A fixed seed makes the test command repeatable: the same inputs on every run.
"$fuzzer" -runs="$runs" -max_len="$max_len" -seed=1 -timeout=60 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$work/corpus" >"$work/fuzz.log" 2>&1 ||
  fail "$work/fuzz.log" "libFuzzer stopped"
executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/fuzz.log")
echo "fuzz.sh: ${executed:-?} inputs, ${speed:-?} per second, no finding"

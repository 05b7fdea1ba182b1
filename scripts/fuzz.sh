#!/usr/bin/env bash
# Fuzzes every file a user can be handed, one libFuzzer program per reader: each target first
# replays its kept regression inputs (tests/fuzz/regressions/TARGET), then runs from seeds its
# own writers make. Exits non-zero on any finding; the input that caused it is kept in
# fuzz-findings/TARGET/ beside the fuzzers. Builds nothing: build the fuzz preset first.
#
#   scripts/fuzz.sh RUNS [TARGET...]          RUNS inputs per target, the same inputs every time
#   scripts/fuzz.sh --minutes N [TARGET...]   N minutes per target from a random start, keeping
#                                             what it learns in build-fuzz/fuzz-corpus/TARGET
#
# Memory stays bounded: an input that makes a reader allocate more than 64 MiB at once, or
# the process hold more than 1 GiB, is a finding.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/fuzz.sh RUNS [TARGET...] | scripts/fuzz.sh --minutes N [TARGET...]" >&2
  exit 2
}

bin=${PELMORA_FUZZ_BIN:-build-fuzz/bin}
budget=()
long=false
if [ "${1:-}" = "--minutes" ]; then
  [[ "${2:-}" =~ ^[0-9]+$ ]] || usage
  budget=(-max_total_time=$(($2 * 60)))
  long=true
  shift 2
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  budget=(-runs="$1" -seed=1)  # a fixed seed makes the test command repeatable
  shift
else
  usage
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for folder in tests/fuzz/regressions/*/; do targets+=("$(basename "$folder")"); done
fi

seeder=$bin/pelmora_fuzz_seeds
for target in "${targets[@]}"; do
  for program in "$bin/pelmora_fuzz_$target" "$seeder"; do
    if [ ! -x "$program" ]; then
      echo "fuzz.sh: $program is missing; build the fuzz preset first" >&2
      exit 2
    fi
  done
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$seeder" "$work/seeds" >/dev/null

# Prints the end of a failed run's log and stops.
fail() {
  tail -n 60 "$1" >&2
  echo "fuzz.sh: FINDING in $2 ($3); inputs kept in $bin/fuzz-findings/$2" >&2
  exit 1
}

limits=(-rss_limit_mb=1024 -malloc_limit_mb=64 -timeout=60)
for target in "${targets[@]}"; do
  fuzzer=$bin/pelmora_fuzz_$target
  findings=$bin/fuzz-findings/$target
  mkdir -p "$findings"
  log=$work/$target.log

  regressions=()
  for file in tests/fuzz/regressions/"$target"/*; do
    [ -f "$file" ] && regressions+=("$file")
  done
  if [ ${#regressions[@]} -gt 0 ]; then
    "$fuzzer" "${limits[@]}" -artifact_prefix="$findings/" "${regressions[@]}" >"$log" 2>&1 ||
      fail "$log" "$target" "a kept regression input fails again"
  fi

  corpus=$work/corpus-$target
  if $long; then
    corpus=$bin/fuzz-corpus/$target
  fi
  mkdir -p "$corpus"
  "$fuzzer" "${budget[@]}" "${limits[@]}" -max_len=400000 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "$work/seeds/$target" >"$log" 2>&1 ||
    fail "$log" "$target" "libFuzzer stopped"
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz.sh: $target: ${#regressions[@]} regression inputs pass; ${executed:-?} inputs, ${speed:-?} per second, no finding"
done

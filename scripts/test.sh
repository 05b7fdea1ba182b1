#!/usr/bin/env bash
# Builds everything and runs every test: the full suite, a short bounded fuzzing run, then the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh 20000

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

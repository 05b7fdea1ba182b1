#!/usr/bin/env bash
# Builds everything and runs every test: the full suite (including the install and desktop-file
# checks), a short bounded fuzzing run, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Installs the test tools it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh 2000

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

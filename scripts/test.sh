#!/usr/bin/env bash
# Builds everything and runs every test: the full suite, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

if [ -f tests/fuzz/CMakeLists.txt ]; then
  cmake --preset fuzz
  cmake --build --preset fuzz
  scripts/fuzz.sh 20000
fi

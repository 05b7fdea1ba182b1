#!/usr/bin/env bash
# Builds everything and runs every test: the full suite (including the install and desktop-file
# checks), the browser edition's page tests in headless Chromium, a short bounded fuzzing run,
# then the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer. Installs the
# test tools it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests

cmake --preset default
cmake --build --preset default
ctest --preset default

# The page against the native build above: its pelmora-cli renders and saves the references.
scripts/build-web.sh
(cd web && PELMORA_BUILD="$PWD/../build" node --test tests/page.test.mjs)

cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh 2000

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

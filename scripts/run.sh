#!/usr/bin/env bash
# Builds the editor (with the demo image beside it) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target pelmora pelmora-cli
exec build/bin/pelmora "$@"

#!/usr/bin/env bash
# Builds the editor and pelmora-cli (with the demo image beside them) and starts the editor.
# Installs only what building and running them needs; the test tools come with scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset editor >/dev/null
cmake --build --preset editor
exec build/bin/pelmora "$@"

#!/usr/bin/env bash
# Builds the browser edition and serves it on 127.0.0.1; prints the address to open.
# Usage: scripts/serve-web.sh [PORT]   (default 8017)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
exec node web/tools/serve.mjs build-web/site "${1:-8017}"

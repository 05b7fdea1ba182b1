#!/usr/bin/env bash
# Builds the browser edition into build-web/site/: the core as WebAssembly (Emscripten from
# Debian), the page's TypeScript bundled with esbuild, and the page's static files.
#
# Debian's Emscripten ships its system libraries prebuilt in a frozen cache, so nothing is built
# into a cache and nothing is downloaded (its "ports" are never used).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web

# Emscripten's JavaScript optimizer needs Debian's acorn, which a Node.js that is not Debian's
# own finds only through NODE_PATH.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
command -v ccache >/dev/null && export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"

out=build-web
emcmake cmake -S . -B "$out/wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELMORA_WERROR=ON \
  -DPELMORA_BUILD_GUI=OFF -DPELMORA_BUILD_TESTS=OFF -DPELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$out/wasm" -j"$(nproc)"

(cd web && { [ -d node_modules ] && [ node_modules/.package-lock.json -nt package-lock.json ] || npm ci --no-audit --no-fund; })
(cd web && npx tsc --noEmit -p .)

version=$(sed -n 's/^project(Pelmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
site="$out/site"
rm -rf "$site"
mkdir -p "$site"
cp "$out/wasm/bin/pelmora.wasm" web/index.html web/style.css "$site/"
site_version="$version-$(cat "$out/wasm/bin/pelmora.wasm" "$out/wasm/bin/pelmora.js" web/src/*.ts web/index.html web/style.css | sha1sum | cut -c1-12)"
(cd web && npx esbuild src/main.ts --bundle --format=esm --minify --target=es2022 \
  --alias:@pelmora/core="../$out/wasm/bin/pelmora.js" --define:PELMORA_VERSION="\"$version\"" \
  --log-level=warning --outfile="../$site/app.js")
(cd web && npx esbuild src/sw.ts --bundle --format=iife --minify --target=es2022 \
  --define:SITE_VERSION="\"$site_version\"" --log-level=warning --outfile="../$site/sw.js")

bytes=$(du -cb "$site"/* | tail -1 | cut -f1)
echo "Site built in $site: $(ls "$site" | tr '\n' ' ')($bytes bytes)"
if [ "$bytes" -gt $((2 * 1024 * 1024)) ]; then
  echo "The site weighs more than 2 MiB." >&2
  exit 1
fi

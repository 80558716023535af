#!/usr/bin/env bash
# Builds the web edition into build/web/: the two WebAssembly modules (Emscripten, from src/web)
# and the page (web/), plus the icons and the service worker's file list. Static files only.
#   scripts/build-web.sh [--werror]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
bash scripts/npm-ci.sh
# Debian's emcc finds its acorn through Node's search path; its prebuilt system libraries live in
# its own cache, which must stay where it is.
export NODE_PATH=/usr/share/nodejs
unset EM_CACHE

werror=OFF
[ "${1:-}" = "--werror" ] && werror=ON
if [ ! -f build/wasm/build.ninja ]; then
    emcmake cmake -S src/web -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DSHRINK2D_WERROR=$werror >/dev/null
fi
cmake --build build/wasm -j2

out=build/web
rm -rf "$out"
mkdir -p "$out"
cp web/index.html web/style.css web/app.js web/core.js web/tools.js web/files.js web/manifest.webmanifest "$out"/
cp build/wasm/shrink2d_core.mjs build/wasm/shrink2d_core.wasm \
   build/wasm/shrink2d_tools.mjs build/wasm/shrink2d_tools.wasm "$out"/
python3 scripts/web-icons.py resources/shrink2d.png "$out" 192 512

# The service worker caches every file of this build under a name that changes with them.
files=$(cd "$out" && ls | sort)
build=$(cd "$out" && cat $files | sha256sum | cut -c1-12)
list=$(printf '"./"'; for f in $files; do printf ', "%s"' "$f"; done)
sed -e "s/__BUILD__/$build/" -e "s|__FILES__|[$list]|" web/sw.js >"$out/sw.js"
echo "web: build/web/ ready ($(du -sk "$out" | cut -f1) KB); serve it with: make serve"

#!/usr/bin/env bash
# Installs what is missing, builds the browser edition and serves it:
# the native build draws the six solids as SVG (Qt cannot run in the
# browser), the emscripten build compiles the form and makes the page.
# The page is build-web/web/stereona.html; it also works opened as a file.
# WEB_SERVE=0 builds without serving.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Debian's emscripten runs its tools with the node on the PATH, which finds
# Debian's node modules only when told where they are.
export NODE_PATH=/usr/share/nodejs
native=${STEREONA_BUILD_DIR:-build}
web=${STEREONA_WEB_BUILD_DIR:-build-web}
cmake --preset default >/dev/null
nice -n 10 cmake --build "$native" --target web_drawings
emcmake cmake -S . -B "$web" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEREONA_BUILD_WINDOW=OFF \
  -DFAST_FLOAT_INCLUDE_DIR=/usr/include -DSTEREONA_WEB_DRAWINGS="$PWD/$native/web_drawings" >/dev/null
nice -n 10 cmake --build "$web" --target stereona_page
[ "${WEB_SERVE:-1}" = 0 ] && exit 0
echo "Стереона: http://localhost:8080/stereona.html"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory "$web/web"

#!/usr/bin/env bash
# Installs what is missing, builds the browser edition and serves it on
# http://localhost:8080 (WEB_PORT for another port). The page is
# build-wasm/web/stereona.html with its script beside it; it also works
# opened as a file. WEB_SERVE=0 builds without serving.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
build_dir=${STEREONA_WASM_BUILD_DIR:-build-wasm}
source scripts/wasm-configure.sh "$build_dir" >/dev/null
cmake --build "$build_dir" --target stereona_page
echo "Стереона: $PWD/$build_dir/web/stereona.html"
[ "${WEB_SERVE:-1}" = 0 ] && exit 0
port=${WEB_PORT:-8080}
echo "Стереона: http://localhost:$port/stereona.html"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build_dir/web"

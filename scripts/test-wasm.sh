#!/usr/bin/env bash
# Builds the calculation, the form and the page with emscripten into
# build-wasm/ and runs their tests through CTest: under Node the golden files
# byte for byte and the number service tables (the WebAssembly C library
# differs from the native one), and the page in Chromium, WebKit and Firefox
# (tests/web/browsers.py), into which the tests inject axe-core at the version
# tests/web/axe/package-lock.json pins, installed here from npm into the build
# folder. scripts/test.sh, the README's test command, runs this after the
# native suites. One engine's tests alone: ctest --test-dir build-wasm -L webkit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web-tests
command -v npm >/dev/null || scripts/install-deps.sh npm
build_dir=${STEREONA_WASM_BUILD_DIR:-build-wasm}
source scripts/wasm-configure.sh "$build_dir" -DBUILD_TESTING=ON
cmake --build "$build_dir" --parallel "$(nproc)"
mkdir -p "$build_dir/axe"
cp tests/web/axe/package.json tests/web/axe/package-lock.json "$build_dir/axe/"
npm ci --prefix "$build_dir/axe" --no-audit --no-fund --loglevel=error
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)"

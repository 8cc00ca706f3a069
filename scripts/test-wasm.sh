#!/usr/bin/env bash
# Builds the calculation, the form and the page with emscripten into
# build-wasm/ and runs their tests through CTest: under Node the golden files
# byte for byte and the number service tables (the WebAssembly C library
# differs from the native one), and the page in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web-tests
build_dir=${STEREONA_WASM_BUILD_DIR:-build-wasm}
source scripts/wasm-configure.sh "$build_dir" -DBUILD_TESTING=ON
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)"

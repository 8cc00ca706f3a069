#!/usr/bin/env bash
# Builds the calculation with emscripten into build-wasm/ and runs its tests
# under Node through CTest: the golden files byte for byte and the number
# service tables, since the WebAssembly C library differs from the native one.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${STEREONA_WASM_BUILD_DIR:-build-wasm}
source scripts/wasm-configure.sh "$build_dir"
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"

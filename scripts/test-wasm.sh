#!/usr/bin/env bash
# Builds the calculation with emscripten into build-wasm/ and runs its tests
# under Node through CTest: the golden files byte for byte and the number
# service tables, since the WebAssembly C library differs from the native one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh emscripten node-acorn nodejs
build_dir=${STEREONA_WASM_BUILD_DIR:-build-wasm}
node=$(command -v node)
# emscripten runs its JavaScript tools with the node on PATH; a node that is
# not Debian's finds their modules (acorn) only through NODE_PATH.
acorn=$(dpkg -L node-acorn | grep -m1 '/acorn/package.json$')
export NODE_PATH=$(dirname "$(dirname "$acorn")")${NODE_PATH:+:$NODE_PATH}
# emcmake's default emulator adds a flag that Node 20 refuses.
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTEREONA_BUILD_WINDOW=OFF -DSTEREONA_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$node"
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"

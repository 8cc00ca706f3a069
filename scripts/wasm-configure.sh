#!/usr/bin/env bash
# Installs the WebAssembly toolchain if missing and configures the build
# folder given as $1 (default build-wasm) with emscripten; further arguments
# go to CMake. The page needs the six drawings as SVG, which only the native
# build can paint (Qt does not run in the browser), so that target is built
# first. Sourced by the scripts that build for WebAssembly, so that NODE_PATH
# stays set for their builds.
scripts/install-deps.sh
wasm_build_dir=${1:-build-wasm}
native_build_dir=${STEREONA_BUILD_DIR:-build}
cmake --preset default -B "$native_build_dir" >/dev/null
cmake --build "$native_build_dir" --target web_drawings
# emscripten runs its JavaScript tools with the node on PATH; a node that is
# not Debian's finds their modules (acorn) only through NODE_PATH.
acorn=$(dpkg -L node-acorn | grep '/nodejs/acorn/package.json$')
NODE_PATH=$(dirname "$(dirname "$acorn")")${NODE_PATH:+:$NODE_PATH}
export NODE_PATH
# emcmake's default emulator adds a flag that Node 20 refuses.
emcmake cmake -S . -B "$wasm_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTEREONA_BUILD_WINDOW=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
  -DSTEREONA_WEB_DRAWINGS="$PWD/$native_build_dir/web_drawings" "${@:2}"

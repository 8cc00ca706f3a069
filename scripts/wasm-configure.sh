#!/usr/bin/env bash
# Configures the build folder given as $1 (default build-wasm) with
# emscripten; further arguments go to CMake. The page needs the six drawings
# as SVG, which only the native build can paint (Qt does not run in the
# browser), so that target is built first. Sourced, after installing the
# "web" set or one that holds it, by the scripts that build for WebAssembly,
# so that NODE_PATH stays set for their builds.
wasm_build_dir=${1:-build-wasm}
native_build_dir=${STEREONA_BUILD_DIR:-build}
scripts/build.sh web_drawings
# emscripten runs its JavaScript tools with the node on PATH; a node that is
# not Debian's finds their modules (acorn) only through NODE_PATH.
acorn=$(dpkg -L node-acorn | grep '/nodejs/acorn/package.json$')
NODE_PATH=$(dirname "$(dirname "$acorn")")${NODE_PATH:+:$NODE_PATH}
export NODE_PATH
# A new folder leaves the tests out unless the caller asks for them
# (-DBUILD_TESTING=ON), as the native one does; a folder keeps its choice.
wasm_testing=()
[ -f "$wasm_build_dir/CMakeCache.txt" ] || wasm_testing=(-DBUILD_TESTING=OFF)
# emcmake's default emulator adds a flag that Node 20 refuses.
emcmake cmake -S . -B "$wasm_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTEREONA_BUILD_WINDOW=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
  -DSTEREONA_WEB_DRAWINGS="$PWD/$native_build_dir/web_drawings" "${wasm_testing[@]}" "${@:2}"

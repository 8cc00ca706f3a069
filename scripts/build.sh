#!/usr/bin/env bash
# Builds into build/ (or the folder given as STEREONA_BUILD_DIR) the targets
# named, or everything, every test included, when none is named.
#
#   scripts/build.sh [TARGET...]
#
# Everything is configured with the default preset. For named targets a
# folder keeps what it was configured with, and a new one is configured with
# the window preset, without the tests: the window and the page's drawings
# then build on a machine without GoogleTest or the tests' tools, and a
# folder that holds the tests keeps them.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${STEREONA_BUILD_DIR:-build}
if [ $# -eq 0 ]; then
  cmake --preset default -B "$build_dir"
  cmake --build "$build_dir" --parallel "$(nproc)"
else
  if [ -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir"
  else
    cmake --preset window -B "$build_dir"
  fi
  cmake --build "$build_dir" --parallel "$(nproc)" --target "$@"
fi

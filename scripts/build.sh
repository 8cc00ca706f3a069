#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as STEREONA_BUILD_DIR)
# with the default preset; further arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${STEREONA_BUILD_DIR:-build}
cmake --preset default -B "$build_dir" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"

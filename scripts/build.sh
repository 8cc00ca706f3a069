#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as STEREONA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${STEREONA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" --parallel "$(nproc)"

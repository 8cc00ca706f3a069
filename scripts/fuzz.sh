#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs
# each for a bounded time from the committed seed corpus. Any finding fails.
# FUZZ_SECONDS sets the time per target (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
seconds=${FUZZ_SECONDS:-60}
build_dir=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build_dir" -G Ninja \
  -DSTEREONA_BUILD_FUZZERS=ON -DSTEREONA_BUILD_WINDOW=OFF -DSTEREONA_BUILD_TESTS=OFF
cmake --build "$build_dir" --parallel "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in number calculate; do
  mkdir -p "$work/$target"
  echo "fuzzing $target for ${seconds}s"
  "$build_dir/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/$target" "fuzz/corpus/$target"
done

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs
# each for a bounded time. The number and answer fuzzers start from their
# committed seeds (an answer's seed is 2 bytes of the problem's seed, a byte
# of settings, then the answer's text); the calculate fuzzer from the golden
# files' scripts, made here each time so that a new golden case is a new
# seed. Any finding fails.
# FUZZ_SECONDS sets the time per target (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh fuzz
seconds=${FUZZ_SECONDS:-60}
build_dir=build-fuzz  # the preset's
cmake --preset fuzz
cmake --build "$build_dir" --parallel "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fuzz/make_seed_corpus.sh "$work/seeds/calculate"
for target in number answer; do
  mkdir -p "$work/seeds/$target" && cp fuzz/corpus/$target/* "$work/seeds/$target/"
done
for target in number calculate answer; do
  mkdir -p "$work/$target"
  echo "fuzzing $target for ${seconds}s"
  "$build_dir/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/$target" "$work/seeds/$target"
done

#!/usr/bin/env bash
# Static checks: the code follows .clang-format, and clang-tidy (.clang-tidy)
# and cppcheck find nothing in our own sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh analyse
# The units are read with the flags of the ordinary build, so it is reused.
build_dir=${STEREONA_BUILD_DIR:-build}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

cmake --preset default -B "$build_dir" >/dev/null
# Generated sources (moc, resources) must exist before clang-tidy reads the units.
cmake --build "$build_dir" --parallel "$(nproc)"
# The fuzz targets are built by clang with its own flags, and the benchmarks'
# "for (auto _ : state)" loop is Google Benchmark's idiom, which the dead-store
# check would flag in every benchmark.
mapfile -t units < <(git ls-files '*.cpp' | grep -vE '^(fuzz|bench)/')
echo "clang-tidy: ${#units[@]} units"
run-clang-tidy-14 -quiet -p "$build_dir" -j "$(nproc)" "${units[@]/#/$PWD/}" >"$build_dir/clang-tidy.log" 2>&1 ||
  { grep -E 'warning:|error:' "$build_dir/clang-tidy.log"; exit 1; }

echo "cppcheck"
cppcheck --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
  --error-exitcode=1 --quiet --suppress=missingIncludeSystem --library=qt \
  -I . core solvers surfaces form documents practice fuzz tests/support

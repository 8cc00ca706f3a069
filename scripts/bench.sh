#!/usr/bin/env bash
# Installs what is missing, builds a release into build-release/, and prints the
# benchmarks: the calculation (Google Benchmark) and the start-up of the
# window against a bare Qt window of the same size, both under Xvfb; then one
# calculate command and the largest practice sheet natively and in
# WebAssembly under Node, the same loops, and the practice's judging and
# posing.
# STARTUP_RUNS sets the runs per program (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
build_dir=build-release  # the preset's
cmake --preset release >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" \
  --target stereona_core_bench calculation_loop sheet_loop practice_loop stereona baseline_window baseline_text_window \
  startup_probe

"$build_dir/bench/stereona_core_bench" --benchmark_min_time=0.5
echo
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" env QT_QPA_PLATFORM=xcb \
  "$build_dir/bench/startup_probe" "${STARTUP_RUNS:-15}" \
  "$build_dir/bench/baseline_window" "$build_dir/bench/baseline_text_window" \
  "$build_dir/window/stereona" 2> >(grep -v XDG_RUNTIME_DIR >&2)

echo
echo "calculate command, native (plain loop):"
"$build_dir/bench/calculation_loop"
"$build_dir/bench/sheet_loop"
"$build_dir/bench/practice_loop"
source scripts/wasm-configure.sh build-wasm -DSTEREONA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build-wasm --parallel "$(nproc)" --target calculation_loop sheet_loop practice_loop >/dev/null
echo "calculate command, WebAssembly under Node $(node --version) (same loop):"
node build-wasm/bench/calculation_loop.js
node build-wasm/bench/sheet_loop.js
node build-wasm/bench/practice_loop.js

echo
echo "the page in Chromium, WebKit and Firefox, from file:// and the worker's cache, desktop and phone:"
cmake --build build-wasm --parallel "$(nproc)" --target stereona_page >/dev/null
/usr/bin/python3 bench/page_ready.py --runs "${PAGE_RUNS:-15}" build-wasm/web/stereona.html

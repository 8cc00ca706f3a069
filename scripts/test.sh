#!/usr/bin/env bash
# The README's test command: installs what every suite needs, if missing,
# builds, and runs every test through CTest: the native suites (window tests
# on Qt's offscreen platform, so no display is needed), then, through
# scripts/test-wasm.sh, the calculation under Node and the page in Chromium,
# WebKitGTK and Firefox ESR. Every suite runs even after one has failed; the
# command fails if any did.
#
#   scripts/test.sh            every test
#   scripts/test.sh --native   the native suites alone: the quick loop
#
# A suite whose browser, driver or AT-SPI package is missing reports itself
# skipped and names the package; under CI=true it fails instead.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  "") native_only=0 ;;
  --native) native_only=1 ;;
  *) echo "usage: $0 [--native]" >&2; exit 2 ;;
esac
if [ "$native_only" = 1 ]; then
  scripts/install-deps.sh tests
else
  # One apt-get for both: test-wasm.sh then finds its set installed.
  scripts/install-deps.sh tests web-tests
fi
scripts/build.sh
failed=()
QT_QPA_PLATFORM=offscreen ctest --test-dir "${STEREONA_BUILD_DIR:-build}" --output-on-failure \
  --parallel "$(nproc)" || failed+=("native")
if [ "$native_only" = 0 ]; then
  scripts/test-wasm.sh || failed+=("web")
fi
if [ "${#failed[@]}" -gt 0 ]; then
  echo "$0: failed: ${failed[*]}" >&2
  exit 1
fi

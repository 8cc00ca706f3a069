#!/usr/bin/env bash
# Installs what the tests need, if missing, builds, and runs every test
# through CTest.
# Window tests use Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh tests
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${STEREONA_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"

#!/usr/bin/env bash
# Installs what building and running the window need, if missing, builds the
# program alone, and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh window
scripts/build.sh stereona
exec "${STEREONA_BUILD_DIR:-build}/window/stereona"

#!/usr/bin/env bash
# Remakes docs/window.png: the real window on the xcb platform under Xvfb,
# framed by a window manager, after solving the truncated cone for R1; with
# --practice, docs/practice-window.png, «Упражнение» after a few answers. Needs
# the build (STEREONA_BUILD_DIR, default build) and, for the frame, a window
# manager that honours the window's button hints: icewm does (Debian package
# icewm); openbox would draw maximize and minimize buttons regardless.
set -euo pipefail
cd "$(dirname "$0")/../.."
tool="${STEREONA_BUILD_DIR:-build}/window/stereona_screenshot"
mode=()
output=docs/window.png
if [ "${1:-}" = --practice ]; then
  mode=(--practice)
  output=docs/practice-window.png
  shift
fi
output="${1:-$output}"

xvfb-run --auto-servernum -s "-screen 0 1024x768x24 -noreset" bash -c '
  if command -v icewm >/dev/null; then
    # A title font small enough for the whole caption, and no task bar.
    export ICEWM_PRIVCFG=$(mktemp -d)
    printf "%s\n" "TitleFontNameXft=\"sans-serif:size=9\"" "ShowTaskBar=0" >"$ICEWM_PRIVCFG/preferences"
    icewm & manager=$!
    sleep 2
  fi
  QT_QPA_PLATFORM=xcb "$0" "$@"
  status=$?
  if [ -n "${manager:-}" ]; then kill "$manager"; rm -r "$ICEWM_PRIVCFG"; fi
  exit "$status"
' "$tool" "${mode[@]}" "$output"
echo "wrote $output"

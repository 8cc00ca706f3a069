#!/usr/bin/env bash
# Run inside an X server (xvfb-run): starts PROGRAM, waits until it maps a
# top-level window of its own class, then ends it. Exits 0 once the window
# was seen, 1 if the program quit first or no window came within SECONDS.
#
#   window-mapped.sh PROGRAM [SECONDS]
set -uo pipefail
program=$1
seconds=${2:-30}
class=$(basename "$program")  # Qt names the window's class after the program file

started=${EPOCHREALTIME//[^0-9]/}  # microseconds; the radix follows the locale
"$program" &
pid=$!
# shellcheck disable=SC2317  # called by the trap
stop() {
  kill "$pid" 2>/dev/null || return 0
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  kill -KILL "$pid" 2>/dev/null
}
trap stop EXIT

deadline=$((SECONDS + seconds))
while ((SECONDS < deadline)); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "window-mapped: $program quit (status $?) before mapping a window" >&2
    exit 1
  fi
  # Lines such as: 0x200006 "title": ("stereona" "stereona")  535x394+373+315  +373+315
  while read -r id line; do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "window-mapped: $(((${EPOCHREALTIME//[^0-9]/} - started) / 1000)) ms after start: $line"
      exit 0
    fi
  done < <(xwininfo -root -tree 2>/dev/null | grep -F "(\"$class\" \"$class\")")
  sleep 0.2
done
echo "window-mapped: no window of $program mapped within $seconds s" >&2
exit 1

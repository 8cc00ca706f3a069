#!/usr/bin/env bash
# Runs atspi_test.py against the program: its own Xvfb, a private D-Bus
# session (which starts the accessibility bus and its registry on demand),
# and the program with Qt's AT-SPI bridge switched on. Where the AT-SPI client
# or its services are not installed it names the Debian package and exits 77,
# which CTest reports as skipped; under CI=true, where the test must run, 1.
# Usage: run-atspi-test.sh PROGRAM GOLDEN_DIR LOCALE
set -euo pipefail
here=$(dirname "$0")
program=$1
golden_dir=$2
program_locale=$3

skip() {
  if [ "${CI:-}" = true ]; then
    echo "FAILED: $1 (scripts/install-deps.sh tests installs it)"
    exit 1
  fi
  echo "SKIPPED: $1 (scripts/install-deps.sh tests installs it)"
  exit 77
}

command -v dbus-run-session >/dev/null || skip "dbus-run-session missing (Debian dbus-daemon)"
command -v Xvfb >/dev/null || skip "Xvfb missing (Debian xvfb)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi-bus-launcher missing (Debian at-spi2-core)"
# The AT-SPI bindings belong to Debian's Python, which another python3 on
# PATH (a virtual environment, pyenv) does not see.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "the Python module pyatspi missing (Debian python3-pyatspi)"

# The server picks a free display itself and writes its number once it
# accepts connections: no race with another X server starting beside it.
# -noreset: the AT-SPI client library looks for the bus on the root window
# and closes its connection again; were that the server's last client, the
# server would reset, and a program connecting meanwhile is refused.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start within 10 s"; exit 1; }
export DISPLAY=":$(cat "$display_file")"

# Every wait inside the test is bounded too; this bounds the whole run, a
# bus that never answers included.
timeout --kill-after=10 150 dbus-run-session -- "$python" -W ignore::DeprecationWarning "$here/atspi_test.py" "$program" "$golden_dir" "$program_locale"

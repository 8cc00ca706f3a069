#!/usr/bin/env bash
# Installs the Debian 12 packages of the sets named as arguments, only those
# that are missing: each script asks for what it needs and no more, so that
# opening the window (scripts/run.sh) does not fetch the browser, the
# WebAssembly toolchain or the checkers. Uses sudo when not run as root.
#
#   scripts/install-deps.sh SET...
set -euo pipefail

# Every set the scripts ask for. "@name" takes in another set, so a package
# is named once, in the set of the purpose it serves; a new package goes on
# the line of the purpose it serves.
declare -A sets=(
  # The calculation and the form with any toolchain (fast_float is header-only).
  [build]="build-essential cmake ninja-build libfast-float-dev"
  # The native Qt build: the window and its drawings, which the page takes as SVG.
  [qt]="@build qt6-base-dev qt6-svg-dev fonts-liberation"
  # scripts/run.sh: the window on a desktop, Qt's own texts in Bulgarian.
  [window]="@qt qt6-qpa-plugins qt6-translations-l10n"
  # scripts/test.sh --native: every native test. The number tests, and the
  # window and screen-reader tests once more, run under the bg_BG locale
  # (made below whenever locales is asked for); the screen-reader test needs
  # Xvfb, D-Bus and AT-SPI; the packaging tests the two validators; the
  # printing tests read the PDFs they write with pdftotext.
  [tests]="@window libgtest-dev locales xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
           desktop-file-utils appstream poppler-utils"
  # scripts/web.sh: emscripten (its JavaScript tools need acorn), and the
  # bundled font subset with fontTools.
  [web]="@qt emscripten node-acorn nodejs fonts-liberation2 python3-fonttools python3-brotli"
  # scripts/test-wasm.sh, which scripts/test.sh runs too: GoogleTest from its
  # sources, the page in three engines (headless Chromium through its driver;
  # WebKitGTK's MiniBrowser, which the driver's library package brings,
  # through its driver, under Xvfb and the bg_BG locale, made below; Firefox
  # ESR over WebDriver BiDi, which python3-websockets speaks), and what it
  # prints read back with pdftotext.
  [web-tests]="@web libgtest-dev chromium chromium-driver python3-selenium poppler-utils
               webkit2gtk-driver xvfb locales firefox-esr python3-websockets"
  # npm, for the pinned axe-core the page's tests inject; asked for only where
  # there is none, since a Node.js from elsewhere brings its own npm, which
  # Debian's package would conflict with.
  [npm]="npm"
  # scripts/analyse.sh reads every unit, the tests' too, with the build's flags.
  [analyse]="@window libgtest-dev clang-format clang-tidy cppcheck"
  # scripts/fuzz.sh: libFuzzer comes with clang's runtime; no Qt.
  [fuzz]="@build clang-14 libclang-rt-14-dev"
  # scripts/sanitize.sh: the whole native suite again, built with sanitizers.
  [sanitize]="@tests"
  # scripts/bench.sh: Google Benchmark, the start-up probe (xcb, under Xvfb),
  # the loop under Node and the page in Chromium.
  [bench]="@window @web-tests libbenchmark-dev pkg-config libxcb1-dev xvfb xauth"
  # packaging/check-package.sh: CPack's dependency scan (dpkg-shlibdeps reads
  # what file finds), lintian, the validators, the program under Xvfb (xwininfo).
  [package]="@window dpkg-dev file lintian desktop-file-utils appstream xvfb xauth x11-utils"
)

if [ $# -eq 0 ]; then
  echo "usage: $0 SET... (sets: $(printf '%s\n' "${!sets[@]}" | sort | paste -sd ' '))" >&2
  exit 2
fi

packages=()
declare -A taken=()
add_set() {
  [ -n "${sets[$1]+set}" ] || { echo "$0: no set named '$1'" >&2; exit 2; }
  [ -z "${taken[$1]+taken}" ] || return 0
  taken[$1]=1
  local word
  for word in ${sets[$1]}; do
    if [[ $word == @* ]]; then add_set "${word#@}"; else packages+=("$word"); fi
  done
}
for name in "$@"; do add_set "$name"; done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests run the C library, the window and WebKit under a locale whose
# decimal point is ",": a Bulgarian pupil's desktop. Every set that holds
# locales needs it.
if [[ " ${packages[*]} " == *" locales "* ]] && ! locale -a 2>/dev/null | grep -qx 'bg_BG.utf8'; then
  "${sudo[@]}" localedef -i bg_BG -c -f UTF-8 bg_BG.UTF-8
fi

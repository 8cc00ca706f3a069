#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and any named as arguments, only those that are missing. Uses sudo when not
# run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev libxcb1-dev
  fonts-liberation
  libgtest-dev libbenchmark-dev libfast-float-dev locales
  clang-14 libclang-rt-14-dev clang-tidy clang-format cppcheck
  xvfb xauth x11-utils poppler-utils
  qt6-translations-l10n
  dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file
  emscripten node-acorn nodejs fonts-liberation2 python3-fonttools python3-brotli
  chromium chromium-driver python3-selenium
  "$@"
)

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

# The number tests run the C library under a locale whose decimal point is ",".
if ! locale -a 2>/dev/null | grep -qx 'bg_BG.utf8'; then
  "${sudo[@]}" localedef -i bg_BG -c -f UTF-8 bg_BG.UTF-8
fi

#!/usr/bin/env bash
# Builds the Debian package in release, checks it with lintian, installs it
# on this machine with apt, checks the installed desktop files, and starts the
# installed program under Xvfb until its window is mapped. Exits non-zero if
# any step fails. The package stays installed afterwards (apt-get remove
# stereona takes it away).
#
# Build folder: build-deb (or STEREONA_PACKAGE_BUILD_DIR). Uses sudo for
# apt-get when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

scripts/install-deps.sh package

build_dir=${STEREONA_PACKAGE_BUILD_DIR:-build-deb}
echo "== release build in $build_dir"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF -DSTEREONA_BUILD_BENCHMARKS=OFF
cmake --build "$build_dir" --parallel "$(nproc)"

echo "== cpack -G DEB"
rm -f "$build_dir"/stereona_*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/stereona_*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "expected one stereona_*.deb in $build_dir" >&2
  exit 1
fi
dpkg-deb --info "${debs[0]}"
dpkg-deb --contents "${debs[0]}"

echo "== lintian"
# Debian's own checks of a package; a warning is as good as a fault here.
lintian --fail-on error,warning --tag-display-limit 0 "${debs[0]}"

echo "== apt-get install"
# --reinstall: a package of the same version already there is replaced by this
# build, not kept.
(cd "$build_dir" && "${sudo[@]}" apt-get install -y --reinstall ./stereona_*.deb)
[ "$(dpkg-query -W -f='${Version}' stereona)" = "$(dpkg-deb -f "${debs[0]}" Version)" ]
[ "$(dpkg-query -S /usr/bin/stereona)" = "stereona: /usr/bin/stereona" ]

echo "== the installed desktop files"
desktop=/usr/share/applications/bg.stereona.Stereona.desktop
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || { echo "$desktop_report" >&2; exit 1; }
[ -z "$desktop_report" ] || { echo "$desktop_report" >&2; exit 1; }
appstreamcli validate --no-net --strict /usr/share/metainfo/bg.stereona.Stereona.metainfo.xml
for icon in /usr/share/icons/hicolor/{32x32/apps/bg.stereona.Stereona.png,scalable/apps/bg.stereona.Stereona.svg}; do
  [ -s "$icon" ] || { echo "missing: $icon" >&2; exit 1; }
done

echo "== the print module where the installed program looks for it"
# The program finds its print module by a path relative to its own folder,
# written into it at build time (as UTF-16, a QString's text); a package
# whose prefix is not the build's must still have the module there.
module_path=$(strings -el /usr/bin/stereona | grep -o '[./a-z0-9_-]*stereona/modules' | head -n 1)
[ -n "$module_path" ] && [ -f "/usr/bin/$module_path/libstereona_print.so" ] ||
  { echo "no print module at /usr/bin/$module_path" >&2; exit 1; }

echo "== /usr/bin/stereona under Xvfb"
# -noreset: a probe that looks at the window tree before the program has
# connected would, as the only client, make the server reset on leaving.
QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a -s "-noreset" packaging/window-mapped.sh /usr/bin/stereona 60
echo "== stereona $(dpkg-query -W -f='${Version}' stereona) built, installed and started; it stays installed"

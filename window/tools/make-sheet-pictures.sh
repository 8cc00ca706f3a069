#!/usr/bin/env bash
# Remakes docs/sheet.png and docs/sheet-key.png: the first page of a printed
# practice sheet and the first page of its key, from the PDF the program
# writes. Needs the build (STEREONA_BUILD_DIR, default build) and pdftoppm
# (Debian package poppler-utils).
set -euo pipefail
cd "$(dirname "$0")/../.."
tool="${STEREONA_BUILD_DIR:-build}/window/stereona_sheet_pdf"
pdf=$(mktemp --suffix=.pdf)
trap 'rm -f "$pdf"' EXIT
QT_QPA_PLATFORM=offscreen "$tool" "$pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" docs/sheet
pdftoppm -png -r 60 -f 2 -l 2 -singlefile "$pdf" docs/sheet-key
echo "wrote docs/sheet.png and docs/sheet-key.png"

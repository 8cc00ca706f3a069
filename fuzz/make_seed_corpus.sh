#!/usr/bin/env bash
# Writes the seed corpus of the calculate fuzzer from the golden files into
# the folder given: each golden script, without its comments and
# expectations, is one seed.
set -euo pipefail
out=${1:?usage: make_seed_corpus.sh OUTPUT_DIR}
golden_dir="$(cd "$(dirname "$0")/../tests/golden" && pwd)"
mkdir -p "$out"
for golden in "$golden_dir"/*.golden; do
  sed -n '/^---$/q;/^#/d;/^fault /d;p' "$golden" >"$out/$(basename "$golden" .golden)"
done

#!/usr/bin/env bash
# Writes the seed corpus of the calculate fuzzer from the golden files: each
# golden script, without its comments and expectations, is one seed.
set -euo pipefail
cd "$(dirname "$0")"
rm -rf corpus/calculate && mkdir -p corpus/calculate
for golden in ../tests/golden/*.golden; do
  sed -n '/^---$/q;/^#/d;/^fault /d;p' "$golden" > "corpus/calculate/$(basename "$golden" .golden)"
done

#!/usr/bin/python3
"""Subsets a font to the characters of the given text files and writes it
unhinted as WOFF2 (WOFF where this fontTools has no Brotli), renamed: the
licence (SIL OFL 1.1) reserves the original name for the unmodified font.

    web_font.py FONT FAMILY OUTPUT TEXT_FILE...
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Every character a student can type into an input, whatever the texts hold.
PRINTABLE_ASCII = range(0x20, 0x7F)

def flavour():
    try:
        import brotli  # noqa: F401  (fontTools needs it for WOFF2)
    except ImportError:
        return "woff"
    return "woff2"


def characters(paths):
    text = set(chr(code) for code in PRINTABLE_ASCII)
    for path in paths:
        with open(path, encoding="utf-8") as file:
            text.update(file.read())
    return "".join(sorted(char for char in text if char.isprintable()))


def rename(font, family):
    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    renamed = {
        1: family,
        3: f"{family} {style}",
        4: f"{family} {style}",
        6: f"{family.replace(' ', '')}-{style}",
        16: family,
    }
    for name_id in (*renamed, 17):
        names.removeNames(nameID=name_id)
    for name_id, value in renamed.items():
        names.setName(value, name_id, 3, 1, 0x409)


def main():
    source, family, output, *texts = sys.argv[1:]
    options = subset.Options()
    options.name_IDs = ["*"]  # keeps the copyright and licence records
    options.flavor = flavour()
    options.layout_features = ["*"]
    # The TrueType instructions are half of each font's bytes. Phones and
    # high-resolution screens do not run them, and desktop browsers smooth an
    # unhinted font well on their own.
    options.hinting = False
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(texts))
    subsetter.subset(font)
    rename(font, family)
    font.flavor = options.flavor
    font.save(output)


if __name__ == "__main__":
    main()

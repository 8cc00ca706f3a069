#!/usr/bin/python3
"""Fills the page template with the bundled fonts, as data: URLs, the style
sheets of the page's other views, the drawings of the six bodies, inline so
that the page's fonts label them, and the media condition of the wide
arrangement, from the window's size.

    make_page.py TEMPLATE OUTPUT WIDTH HEIGHT FAMILY REGULAR_FONT BOLD_FONT FILE...

WIDTH and HEIGHT are the window's client area in CSS pixels. Each FILE is a
style sheet (.css), which may use the wide condition as @@WIDE@@, or a
drawing (.svg) named after the index of its body: 0.svg is body 0's.
"""
import base64
import pathlib
import re
import sys

# The first four bytes of a web font say which it is.
MEDIA_TYPES = {b"wOF2": "font/woff2", b"wOFF": "font/woff"}

# The window is laid out as drawn once the viewport holds it this much
# larger: its 20 px option bars are then at least 25 px high.
WIDE_SCALE = 1.25


def font_face(family, path, weight):
    font = pathlib.Path(path).read_bytes()
    media_type = MEDIA_TYPES[font[:4]]
    data = base64.b64encode(font).decode("ascii")
    return (f'@font-face {{ font-family: "{family}"; font-weight: {weight}; '
            f'src: url(data:{media_type};base64,{data}); }}')


def drawing(index, path):
    svg = pathlib.Path(path).read_text(encoding="utf-8")
    svg = re.sub(r"<\?xml[^>]*\?>\s*", "", svg)
    return f'<template id="drawing-{index}">{svg.strip()}</template>'


def wide_condition(width, height):
    return (f"(min-width: {float(width) * WIDE_SCALE:g}px) and "
            f"(min-height: {float(height) * WIDE_SCALE:g}px)")


def main():
    template, output, width, height, family, regular, bold, *files = sys.argv[1:]
    styles = [path for path in files if path.endswith(".css")]
    drawings = [path for path in files if path.endswith(".svg")]
    page = pathlib.Path(template).read_text(encoding="utf-8")
    faces = "\n".join([font_face(family, regular, "normal"), font_face(family, bold, "bold"),
                       f':root {{ --bundled-font: "{family}"; }}'])
    inline = "\n".join(drawing(int(pathlib.Path(path).stem), path) for path in drawings)
    page = page.replace("@@FONT_FACES@@", faces).replace("@@DRAWINGS@@", inline)
    page = page.replace("@@STYLES@@", "".join(pathlib.Path(path).read_text(encoding="utf-8")
                                              for path in styles))
    page = page.replace("@@WIDE@@", wide_condition(width, height))
    pathlib.Path(output).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()

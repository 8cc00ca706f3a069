#!/usr/bin/python3
"""Writes the compiled module as a script that holds it as base64 text, for
the page opened from disk, where the browser will not fetch the .wasm file.

    make_module_text.py MODULE OUTPUT
"""
import base64
import pathlib
import sys


def main():
    module, output = (pathlib.Path(arg) for arg in sys.argv[1:])
    text = base64.b64encode(module.read_bytes()).decode("ascii")
    output.write_text(f'self.stereonaModuleText = "{text}";\n', encoding="ascii")


if __name__ == "__main__":
    main()

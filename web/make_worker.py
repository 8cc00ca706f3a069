#!/usr/bin/python3
"""Fills the service worker's template with the files it keeps and a hash of
their contents, which names its cache.

    make_worker.py TEMPLATE OUTPUT FILE...

The files are given by path and kept by name: they lie beside the page.
"""
import hashlib
import json
import pathlib
import sys


def main():
    template, output, *files = sys.argv[1:]
    names = [pathlib.Path(path).name for path in files]
    digest = hashlib.sha256()
    for name, path in zip(names, files):
        digest.update(name.encode() + b"\0" + pathlib.Path(path).read_bytes())
    worker = pathlib.Path(template).read_text(encoding="utf-8")
    worker = worker.replace("@@HASH@@", digest.hexdigest()[:16]).replace(
        "@@FILES@@", json.dumps(names))
    pathlib.Path(output).write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""What a phone keeps offline stays inside its budget: the files the service
worker keeps (page, script, manifest, icons) and the worker itself, at most
430 KiB as they lie and 170 KiB compressed with gzip -9, as a server would
send them: 400 and 160 KiB, and 30 and 10 KiB more for «Развивка» while the
bodies' labelled drawings stay in the page as pictures beside its run-time
drawings. A library joining the module can outgrow it without any other
test noticing.

    size_test.py WORKER
"""
import gzip
import json
import pathlib
import re
import sys

RAW_LIMIT = 430 * 1024
PACKED_LIMIT = 170 * 1024


def kept_files(worker):
    listed = re.search(r"^const FILES = (\[.*\]);$", worker.read_text(encoding="utf-8"), re.M)
    if not listed:
        sys.exit(f"{worker} names no files to keep")
    return [worker.parent / name for name in json.loads(listed.group(1))] + [worker]


def main():
    files = kept_files(pathlib.Path(sys.argv[1]))
    raw = sum(f.stat().st_size for f in files)
    packed = sum(len(gzip.compress(f.read_bytes(), 9)) for f in files)
    print(f"{len(files)} files: {raw / 1024:.1f} KiB, gzip -9 {packed / 1024:.1f} KiB")
    if raw > RAW_LIMIT or packed > PACKED_LIMIT:
        sys.exit(f"over the budget of {RAW_LIMIT // 1024} KiB, gzip -9 {PACKED_LIMIT // 1024} KiB")


if __name__ == "__main__":
    main()

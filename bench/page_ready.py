#!/usr/bin/python3
"""Page ready in headless Chromium from file://, and served once and then
started from the service worker's cache with the server gone: the time from
navigation start to the start-up state shown, as the page itself reports it,
over several fresh loads; and the size of what a school has to copy.

    page_ready.py PAGE [RUNS] [SCREENSHOT.png]
"""
import gzip
import json
import pathlib
import re
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from headless_chromium import TIMEOUT, browser  # noqa: E402
from local_server import LocalServer  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

page = pathlib.Path(sys.argv[1]).resolve()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15


def ready_times(driver, address):
    times = []
    for _ in range(runs):
        driver.get(address)
        ready = WebDriverWait(driver, TIMEOUT).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        times.append(float(ready))
    return times


def from_cache(driver):
    """Served once until the worker is active, then loaded with the server gone."""
    server = LocalServer(page.parent)
    driver.get(server.url + page.name)
    WebDriverWait(driver, TIMEOUT).until(lambda d: d.execute_async_script(
        "navigator.serviceWorker.ready.then((r) => arguments[0](r.active.state))") == "activated")
    server.stop()
    return ready_times(driver, server.url + page.name)


driver = browser(width=560, height=600)
try:
    modes = {"file://": ready_times(driver, page.as_uri()), "worker's cache": from_cache(driver)}
    if len(sys.argv) > 3:
        driver.save_screenshot(sys.argv[3])
finally:
    driver.quit()

for mode, times in modes.items():
    print(f"page ready from {mode}: median {statistics.median(times):.1f} ms, "
          f"min {min(times):.1f} ms over {runs} loads")
# Everything a phone keeps: what the worker holds, and the worker.
files = [page.parent / name for name in json.loads(re.search(
    r"const FILES = (.*);", (page.parent / "stereona-worker.js").read_text()).group(1))]
files.append(page.parent / "stereona-worker.js")
raw = sum(f.stat().st_size for f in files)
packed = sum(len(gzip.compress(f.read_bytes(), 9)) for f in files)
print(f"page, script, manifest, icons and worker: {raw / 1024:.0f} KiB, "
      f"gzip -9 {packed / 1024:.0f} KiB")

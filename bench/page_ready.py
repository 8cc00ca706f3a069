#!/usr/bin/python3
"""Page ready in headless Chromium from file://: the time from navigation start
to the start-up state shown, as the page itself reports it, over several
fresh loads; and the size of what a school has to copy.

    page_ready.py PAGE [RUNS] [SCREENSHOT.png]
"""
import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from headless_chromium import TIMEOUT, browser  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

page = pathlib.Path(sys.argv[1]).resolve()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
driver = browser(width=560, height=600)
try:
    times = []
    for _ in range(runs):
        driver.get(page.as_uri())
        ready = WebDriverWait(driver, TIMEOUT).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        times.append(float(ready))
    if len(sys.argv) > 3:
        driver.save_screenshot(sys.argv[3])
finally:
    driver.quit()

files = [page, page.with_suffix(".js")]
raw = sum(f.stat().st_size for f in files)
packed = sum(len(gzip.compress(f.read_bytes(), 9)) for f in files)
print(f"page ready: median {statistics.median(times):.1f} ms, "
      f"min {min(times):.1f} ms over {runs} loads")
print(f"page and script: {raw / 1024:.0f} KiB, gzip -9 {packed / 1024:.0f} KiB")

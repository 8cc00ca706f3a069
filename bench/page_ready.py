#!/usr/bin/python3
"""Page ready in each engine the page is tested in (Chromium, WebKit, Firefox;
tests/web/browsers.py) from file://: the time from navigation start to the
start-up state shown, as the page itself reports it, over several fresh
loads, on a desktop and on a phone-sized viewport (360 x 740; Chromium
emulates the phone with touch, WebKit's window is at least 447 px wide).
Chromium alone can slow its CPU down, four times as a low-end phone is; the
other engines are measured unthrottled and given as a ratio to Chromium's
unthrottled figure. Also the size of what a school has to copy. Each page is
loaded from file:// and, served once until its service worker is active,
from the worker's cache with the server gone. Given several pages (a build
before and after a change), their loads from file:// take turns, so that
both see the same machine. Each page's loads from its server have a round of
their own, as do the loads from file://, each round in a browser of its own:
a load that crosses from one origin to another starts another renderer
process or service worker, and a page timed after another page's worker was
slower by 15 to 20 ms; neither is the page's own time.

Beside each page its floor is timed in the same rounds: a static copy of the
ready page with its scripts removed (the same HTML, styles and fonts), made
by the run itself and saved beside the page as NAME.floor.html. The copy's
load (the load event's end) and first contentful paint are printed, and the
page's ready time as a ratio to the later of the two, from file:// and from
the worker's cache alike.

    page_ready.py [--runs N] [--engines chromium,webkit,firefox]
                  [--screenshot FILE.png] PAGE...
"""
import argparse
import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browsers  # noqa: E402
from browsers import TIMEOUT, browser  # noqa: E402
from local_server import LocalServer  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# name, viewport, CPU slowdown (Chromium's alone)
SETTINGS = [
    ("desktop 560 x 600", {"width": 560, "height": 600, "mobile": False}, 1),
    ("phone 360 x 740", {"width": 360, "height": 740, "mobile": True}, 1),
    ("phone 360 x 740, CPU / 4", {"width": 360, "height": 740, "mobile": True}, 4),
]
ENGINES = ["chromium", "webkit", "firefox"]
# The build's own files beside the page, which are not copied with it.
NOT_THE_PAGE = {"CMakeFiles", "fonts", "tests", "tools", "CTestTestfile.cmake",
                "cmake_install.cmake"}
FLOOR_SUFFIX = ".floor.html"

# The ready page as it stands, without its scripts: what anything that looks
# the same costs at the least.
STATIC_COPY = """
const copy = document.documentElement.cloneNode(true);
for (const script of copy.querySelectorAll("script")) script.remove();
return "<!DOCTYPE html>\\n" + copy.outerHTML;
"""

# The copy's load and first contentful paint, once both are known (an engine
# without paint timing gives the load alone).
FLOOR_TIMES = """
const done = arguments[arguments.length - 1];
const read = () => {
  const navigation = performance.getEntriesByType("navigation")[0];
  const paint = performance.getEntriesByName("first-contentful-paint")[0];
  if (!navigation || navigation.loadEventEnd === 0) return setTimeout(read, 10);
  if (!paint && performance.now() - navigation.loadEventEnd < 500) return setTimeout(read, 10);
  done([navigation.loadEventEnd, paint ? paint.startTime : null]);
};
read();
"""


def settings():
    return [setting for setting in SETTINGS
            if setting[2] == 1 or browsers.ENGINE == "chromium"]


def emulate(driver, viewport, slowdown):
    browsers.emulate(driver, viewport)
    if browsers.ENGINE == "chromium":
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slowdown})


def ready_time(driver, address):
    driver.get(address)
    return float(WebDriverWait(driver, TIMEOUT).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready")))


def floor_time(driver, address):
    """The static copy's load and paint, and the later of the two."""
    driver.get(address)
    load, paint = driver.execute_async_script(FLOOR_TIMES)
    return max(load, paint or 0), load, paint


def make_static_copy(page):
    """The ready page without its scripts, saved beside it."""
    driver = browser(width=560, height=600)
    try:
        ready_time(driver, page.as_uri())
        copy = page.with_name(page.stem + FLOOR_SUFFIX)
        copy.write_text(driver.execute_script(STATIC_COPY), encoding="utf-8")
        return copy
    finally:
        driver.quit()


def load_in_turns(driver, sources, runs):
    """Each source's times over runs loads, the sources taking turns, after
    one load that moves the browser onto their site. A source is an address
    (the page: its ready time) or (address, floor_time) for a static copy."""
    def measure(source):
        return ready_time(driver, source) if isinstance(source, str) else source[1](driver, source[0])
    measure(next(iter(sources.values())))
    times = {name: [] for name in sources}
    for _ in range(runs):
        for name, source in sources.items():
            times[name].append(measure(source))
    return times


def from_the_workers_cache(driver, page):
    """The address of the page served once, its worker active, the server gone."""
    server = LocalServer(page.parent)
    driver.get(server.url + page.name)
    WebDriverWait(driver, TIMEOUT).until(lambda d: d.execute_async_script(
        "navigator.serviceWorker.ready.then((r) => arguments[0](r.active.state))") == "activated")
    server.stop()
    return server.url + page.name


def page_files(page):
    return [f for f in page.parent.rglob("*")
            if f.is_file() and not f.name.endswith(FLOOR_SUFFIX)
            and not NOT_THE_PAGE & set(f.relative_to(page.parent).parts)]


def timed_round(addresses, runs):
    """Ready times by setting and source, in a browser of their own: the
    sources that addresses(driver) gives, loaded in turns."""
    driver = browser(width=560, height=600)
    try:
        sources = addresses(driver)
        times = {}
        for name, viewport, slowdown in settings():
            emulate(driver, viewport, slowdown)
            times[name] = load_in_turns(driver, sources, runs)
        return times
    finally:
        driver.quit()


def screenshot(page, path):
    driver = browser(width=560, height=600)
    try:
        emulate(driver, SETTINGS[0][1], 1)
        ready_time(driver, page.as_uri())
        driver.save_screenshot(path)
    finally:
        driver.quit()


def floor_name(page):
    return f"{page}, its floor"


def timed_engine(pages, floors, runs):
    """Times by setting and source in the engine browsers.ENGINE names: the
    pages and their floors from file://, then each page from its worker's
    cache."""
    def from_files(driver):
        sources = {str(page): page.as_uri() for page in pages}
        sources.update({floor_name(page): (floors[page].as_uri(), floor_time) for page in pages})
        return sources
    rounds = [timed_round(from_files, runs)]
    rounds += [timed_round(lambda driver, page=page: {
                   f"{page}, from the worker's cache": from_the_workers_cache(driver, page)},
                   runs) for page in pages]
    return {name: {source: taken for times in rounds for source, taken in times[name].items()}
            for name, _, _ in settings()}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--engines", default=",".join(ENGINES))
    parser.add_argument("--screenshot")
    parser.add_argument("pages", nargs="+", type=lambda p: pathlib.Path(p).resolve())
    options = parser.parse_args()
    pages = options.pages
    medians = {}
    for engine in options.engines.split(","):
        browsers.ENGINE = engine
        floors = {page: make_static_copy(page) for page in pages}
        for name, times in timed_engine(pages, floors, options.runs).items():
            for page in pages:
                taken = times[floor_name(page)]
                floor = statistics.median(t[0] for t in taken)
                paints = [t[2] for t in taken if t[2] is not None]
                paint = f"{statistics.median(paints):.1f} ms" if paints else "not reported"
                print(f"floor, {engine}, {name}: load {statistics.median(t[1] for t in taken):.1f}"
                      f" ms, first contentful paint {paint}  ({page})")
                for source in (str(page), f"{page}, from the worker's cache"):
                    ready = statistics.median(times[source])
                    print(f"page ready / floor, {engine}, {name}: {ready / floor:.2f}x  ({source})")
            for source, taken in times.items():
                if source.endswith(", its floor"):
                    continue
                medians[engine, name, source] = median = statistics.median(taken)
                chromium = medians.get(("chromium", name, source))
                ratio = f", {median / chromium:.2f}x Chromium's" \
                    if chromium and engine != "chromium" else ""
                print(f"page ready, {engine}, {name}: median {median:.1f} ms{ratio}, "
                      f"min {min(taken):.1f} ms over {options.runs} loads  ({source})")
    browsers.ENGINE = "chromium"
    if options.screenshot:
        screenshot(pages[-1], options.screenshot)
    for page in pages:
        files = page_files(page)
        raw = sum(f.stat().st_size for f in files)
        packed = sum(len(gzip.compress(f.read_bytes(), 9)) for f in files)
        print(f"the page's folder, {len(files)} files: {raw / 1024:.0f} KiB, "
              f"gzip -9 {packed / 1024:.0f} KiB  ({page.parent})")


if __name__ == "__main__":
    main()

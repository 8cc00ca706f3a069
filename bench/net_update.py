#!/usr/bin/python3
"""How long the page takes, on a phone whose CPU is four times slower
(Chromium's throttling, 360 x 740 with touch), from a value typed to the
solid drawn to its numbers laid out under the bodies, and from a unit chosen
in «Развивка» to its view laid out again: the script's work and the layout
before the next frame, which has 16 ms. A benchmark, not a test.

    net_update.py [--runs N] PAGE
"""
import argparse
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browsers  # noqa: E402
from browsers import browser, emulate, load_page, press  # noqa: E402

PHONE = {"width": 360, "height": 740, "mobile": True}

# Each a promise of the milliseconds from the change to its layout; the
# form draws after its call returns, in a microtask, hence the await.
TYPED = """
const done = arguments[arguments.length - 1];
const input = document.getElementById('Text2(1)');
const start = performance.now();
input.value = String(arguments[0]);
input.dispatchEvent(new Event('input'));
Promise.resolve().then(() => {
  document.getElementById('BodyDrawing').getBoundingClientRect();
  done(performance.now() - start);
});"""
UNIT = """
const done = arguments[arguments.length - 1];
const list = document.getElementById('NetUnit');
const start = performance.now();
list.value = String(arguments[0]);
list.dispatchEvent(new Event('change'));
Promise.resolve().then(() => {
  document.getElementById('Net').getBoundingClientRect();
  done(performance.now() - start);
});"""


def figures(times):
    ordered = sorted(times)
    return (f"median {statistics.median(times):.2f} ms, "
            f"90th percentile {ordered[int(len(ordered) * 0.9) - 1]:.2f} ms, max {max(times):.2f} ms")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=50)
    parser.add_argument("page", type=pathlib.Path)
    options = parser.parse_args()
    driver = browser(PHONE["width"], "bg", PHONE["height"])
    try:
        emulate(driver, PHONE)
        load_page(driver, options.page.resolve())
        press(driver, "Option1(1)")  # the truncated cone: the most to draw
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        typed = [driver.execute_async_script(TYPED, 2 + run % 17) for run in range(options.runs)]
        print(f"value typed -> solid under the bodies: {figures(typed)}")
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        press(driver, "NetOpen", finger=True)
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        units = [driver.execute_async_script(UNIT, run % 3) for run in range(options.runs)]
        print(f"unit chosen -> «Развивка» shown again: {figures(units)}")
    finally:
        driver.quit()


if __name__ == "__main__":
    main()

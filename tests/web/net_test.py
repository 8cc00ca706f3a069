#!/usr/bin/python3
"""«Развивка» in the page: the journey through it, the net sheet printed at
its scale, and axe with it open.

    net_test.py PAGE GOLDEN_DIR AXE_SCRIPT

The length on paper is measured in Chromium alone: it prints to PDF at the
page's own @page size, which pdftocairo turns into SVG drawing commands.
Firefox's WebDriver prints at its own paper and margins, and WebKitWebDriver
not at all: there the sheet's text is read, as print_test.py does.
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

import page_test
from browsers import ENGINE, TIMEOUT, print_pdf
from selenium.webdriver.support.ui import WebDriverWait
from page_test import PHONE, WIDE, PageTest

# A cone of H = 8 and R = 6: the generatrix 10, the net's angle 216°. Its
# half, whose net fits A4 at 1:1, for printing.
CONE = [("Text2(1)", "8"), ("Text2(2)", "6")]
GENERATRIX = "l = sqrt(H*H + R*R) = sqrt(8*8 + 6*6) = sqrt(100) = 10"
SMALL_CONE = [("Text2(1)", "4"), ("Text2(2)", "3")]
MM_PER_PT = 25.4 / 72
NUMBER = r"-?[\d.]+(?:e-?\d+)?"


def svg_texts(driver, container):
    return driver.execute_script(
        "return [...document.querySelectorAll(`#${arguments[0]} svg text`)]"
        ".map((t) => t.textContent)", container)


def square_widths(svg):
    """The widths in millimetres of the paths whose box is square: the
    circles, each a path of Bézier curves in pdftocairo's SVG."""
    widths = []
    for path in re.finditer(r'<path[^>]*\sd="([^"]+)"[^>]*>', svg):
        matrix = re.search(r'transform="matrix\(([^)]*)\)"', path.group(0))
        a, b, c, d, e, f = (map(float, re.split(r"[ ,]+", matrix.group(1).strip()))
                            if matrix else (1, 0, 0, 1, 0, 0))
        numbers = [float(n) for n in re.findall(NUMBER, path.group(1))]
        points = [(a * x + c * y + e, b * x + d * y + f)
                  for x, y in zip(numbers[0::2], numbers[1::2])]
        if len(points) < 8:
            continue
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        width, height = (max(xs) - min(xs)) * MM_PER_PT, (max(ys) - min(ys)) * MM_PER_PT
        if width > 20 and abs(width - height) < 0.5:
            widths.append(width)
    return widths


class Net(PageTest):
    def shown(self, name):
        return self.element(name).is_displayed()

    def choose_unit(self, name):
        """The unit chosen as from the list (Firefox's driver here has no Select)."""
        self.driver.execute_script(
            "const list = document.getElementById('NetUnit');"
            "list.value = [...list.options].find((o) => o.text === arguments[0]).value;"
            "list.dispatchEvent(new Event('change'));", name)

    def open_cone(self, cone=CONE):
        self.click("Option1(0)")
        for name, value in cone:
            self.type(name, value)
        self.click("NetOpen")

    def test_journey(self):
        self.click("Option1(0)")
        self.type("Text2(1)", "15")
        # The solid under the bodies stands in the narrow arrangement alone:
        # drawn when the page turns narrow, then as the pupil types.
        def drawn(text):
            WebDriverWait(self.driver, TIMEOUT).until(
                lambda driver: text in svg_texts(driver, "BodyDrawing"))

        self.emulate(PHONE)
        try:
            drawn("H = 15 см")
            self.type("Text2(1)", "16")
            drawn("H = 16 см")
        finally:
            self.emulate(WIDE)
        self.open_cone()
        self.assertFalse(self.shown("page"))
        self.assertTrue(self.shown("Net"))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "NetPrint")
        self.assertIn(GENERATRIX, self.element("NetWorking").text)
        self.assertIn("H = 8 см", svg_texts(self.driver, "NetSolid"))
        self.assertIn("l = 10 см", svg_texts(self.driver, "NetFigure"))
        self.assertIn("α = 216°", svg_texts(self.driver, "NetFigure"))

        self.choose_unit("дм")
        self.assertIn("H = 8 дм", svg_texts(self.driver, "NetSolid"))
        self.assertIn("l = 10 дм", svg_texts(self.driver, "NetFigure"))

        self.click("NetClose")
        self.assertTrue(self.shown("page"))
        self.assertFalse(self.shown("Net"))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "NetOpen")
        self.type("Text2(2)", "")  # no radius: no areas, no net, and the sentence why
        self.click("NetOpen")
        self.assertNotIn("sqrt", self.element("NetWorking").text)
        self.assertFalse(self.shown("NetFigure"))
        self.assertIn("R = ?", svg_texts(self.driver, "NetSolid"))

    def test_the_net_prints_at_its_scale(self):
        self.open_cone(SMALL_CONE)
        self.driver.execute_script("window.print = () => { window.printed = true; };")
        self.click("NetPrint")
        self.assertTrue(self.driver.execute_script("return window.printed === true"))
        sheet = self.driver.execute_script(
            "return document.body.dataset.printing === 'net'"
            " && document.getElementById('NetSheet').textContent")
        self.assertIn("Мащаб 1:1", sheet)
        self.assertIn("sqrt(4*4 + 3*3) = sqrt(25) = 5", sheet)
        pdf = print_pdf(self.driver)
        if ENGINE != "chromium":
            return
        with tempfile.TemporaryDirectory() as folder:
            printed = pathlib.Path(folder) / "net.pdf"
            printed.write_bytes(pdf)
            subprocess.run(["pdftocairo", "-svg", "-f", "1", "-l", "1", printed,
                            printed.with_suffix(".svg")], check=True)
            drawn = printed.with_suffix(".svg").read_text(encoding="utf-8")
        widths = square_widths(drawn)
        # The base circle of R = 3 см at 1:1: 60 mm across.
        self.assertTrue(widths, "no circle on the printed page")
        self.assertTrue(all(abs(width - 60) <= 0.5 for width in widths), widths)

    def test_drawings_redrawn_in_place(self):
        """A drawing redrawn shows what the new markup alone would show,
        whether its elements stay or are made again."""
        redrawn = [
            ('<svg viewBox="0 0 1 1"><text x="1">a &amp; b</text></svg>',
             '<svg viewBox="0 0 2 2"><text x="2">c &lt; d</text></svg>', True),
            ('<svg><text>a</text><text></text></svg>',
             '<svg><text></text><text>b</text></svg>', False),
            ('<svg><path d="M0 0"/></svg>', '<svg><path d="M0 0"/><path d="M1 1"/></svg>', False),
            ('<svg><text x="1">a</text></svg>', '<svg><text x="1" y="2">a</text></svg>', False),
        ]
        for before, after, kept in redrawn:
            with self.subTest(after=after):
                shown, fresh, same = self.driver.execute_script(
                    "const [shown, fresh] = [document.createElement('div'),"
                    " document.createElement('div')];"
                    "document.body.append(shown);"
                    "showMarkup(shown, arguments[0]);"
                    "const first = shown.querySelector('svg > *');"
                    "showMarkup(shown, arguments[1]);"
                    "fresh.innerHTML = arguments[1];"
                    "const same = shown.querySelector('svg > *') === first;"
                    "shown.remove();"
                    "return [shown.innerHTML, fresh.innerHTML, same];", before, after)
                self.assertEqual(shown, fresh)
                if kept:
                    self.assertTrue(same, "a drawing relabelled was made again")

    def test_no_violations(self):
        for viewport in (WIDE, PHONE):
            with self.subTest(width=viewport["width"]):
                self.emulate(viewport)
                self.setUp()
                self.open_cone()
                self.assertEqual(page_test.Accessibility.violations(self), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

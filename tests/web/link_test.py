#!/usr/bin/python3
"""Links that carry a problem, and «Сподели», in the engine STEREONA_ENGINE
names (browsers.py).

    link_test.py PAGE GOLDEN_DIR
"""
import sys
import unittest

from selenium.webdriver.support.ui import WebDriverWait

from browsers import ENGINE, TIMEOUT, browser_errors, load_page
from local_server import LocalServer
from page_test import PAGE, PageTest, golden

# Each body, unknowns other than V, decimals with ".": the golden file whose
# script the link states.
GOOD = [
    ("cone_volume", "#body=0&H=7&R=6"),
    ("truncated_cone_radius1", "#body=1&unknown=R1&V=462&H=7&R2=3"),
    ("pyramid_volume", "#body=2&H=7&a=6"),
    ("truncated_pyramid_side_b", "#body=3&unknown=b&V=147&H=7&a=6"),
    ("cylinder_height", "#body=4&unknown=H&V=792&R=6"),
    ("parallelepiped_volume_decimal_inputs", "#body=5&a=2.5&b=4&c=0.1"),
]

# Nothing here can be applied: the page starts as without the fragment.
BAD = [
    "#colour=red&x=1&=5&H&",
    "#body=9",
    "#body=+1&body=1",  # not an index; a name given twice keeps its first value
    "#unknown=R2",  # the cone's fourth selector is hidden
    "#unknown=a",
    "#V=70",  # the unknown's input is not typed into
    "#H=" + "9" * 1_000_000,
    "#%3Cimg%20src=x%20onerror=alert(1)%3E=1&unknown=<img src=x onerror=alert(1)>",
    "#body=%E0%A4%A&unknown=%&H=%ZZ",
]

REFERENCE_START = "Да се реализира проект"

# How the test reads the link the page copied: Chromium's clipboard is
# granted to the page's origin and read back; WebKit and Firefox ask the user
# before a page reads it, so there the page's writing is overheard on its way.
if ENGINE == "chromium":
    OVERHEAR, READ_CLIPBOARD = "", "navigator.clipboard.readText().then(arguments[0])"
else:
    OVERHEAR = ("const write = navigator.clipboard.writeText.bind(navigator.clipboard);"
                "navigator.clipboard.writeText = (text) => { window.copied = text;"
                " return write(text); };")
    READ_CLIPBOARD = "arguments[0](window.copied)"


class Links(PageTest):
    @classmethod
    def setUpClass(cls):
        # Served, so that the clipboard can be granted to the page's origin.
        cls.server = LocalServer(PAGE.parent)
        super().setUpClass()
        if ENGINE == "chromium":
            cls.driver.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": cls.server.url.rstrip("/"),
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        cls.server.stop()

    def setUp(self):
        pass  # each test opens its own links

    def open(self, address):
        # From a blank page, so that a new fragment loads the page anew.
        self.driver.get("about:blank")
        load_page(self.driver, address)

    def open_link(self, fragment):
        self.open(f"{self.server.url}{PAGE.name}{fragment}")

    def problem(self):
        """The chosen body and unknown and the known inputs' texts, from the form."""
        return self.driver.execute_script("""
            const state = (name) => stereonaForm.state(name);
            const chosen = (array, count) => [...Array(count).keys()]
                .find((k) => state(`${array}(${k})`).selected);
            const known = [0, 1, 2, 3].filter((k) => state(`Text2(${k})`).visible
                && state(`Text2(${k})`).enabled).map((k) => state(`Text2(${k})`).text);
            return [chosen('Option1', 6), chosen('Option2', 4), known];""")

    def test_a_link_sets_the_problem_and_waits_for_calculate(self):
        for name, fragment in GOOD:
            with self.subTest(name):
                self.open_link(fragment)
                self.assertTrue(self.output().startswith(REFERENCE_START))
                self.click("Command1(0)")
                self.assertEqual(self.output(), golden(name)[1])

    def test_a_comma_is_typed_as_a_student_types_it(self):
        # As typed, and read as the decimal mark: the solution of the same
        # problem typed with points.
        self.open_link("#body=5&a=2,5&b=4&c=0,1")
        self.assertEqual(self.element("Text2(1)").get_attribute("value"), "2,5")
        self.click("Command1(0)")
        self.assertEqual(self.output(), golden("parallelepiped_volume_decimal_inputs")[1])

    def test_bad_links_leave_the_start_up_state(self):
        for fragment in BAD:
            with self.subTest(fragment[:60]):
                self.open_link(fragment)
                self.assertEqual(self.problem()[:2], [0, 0])
                texts = [self.element(f"Text2({k})").get_attribute("value") for k in range(4)]
                self.assertTrue(all(text in map(str, range(1, 11)) for text in texts))
                self.assertTrue(self.output().startswith(REFERENCE_START))
                self.assertEqual(browser_errors(self.driver), [])

    def test_markup_is_typed_as_text(self):
        markup = "<img src=x onerror=alert(1)>"
        self.open_link(f"#H={markup}")
        self.assertEqual(self.element("Text2(1)").get_attribute("value"), markup)
        self.assertEqual(self.driver.execute_script("return document.images.length"), 0)

    def test_share_gives_the_link_of_the_problem_shown(self):
        # Where the link goes: the share sheet (which the engines lack on
        # Linux, so it is stood in for), the clipboard, or the page.
        ways = [
            ("clipboard", OVERHEAR, "Връзката към задачата е копирана.", READ_CLIPBOARD),
            ("share sheet",
             "navigator.share = (data) => { window.shared = data.url; return Promise.resolve(); }",
             "Задачата е споделена.", "arguments[0](window.shared)"),
            ("shown", "Object.defineProperty(navigator, 'clipboard', { value: undefined })",
             "Връзката към задачата:", "arguments[0](document.querySelector('#ShareNote a').href)"),
        ]
        for way, browser_has, confirmation, read_link in ways:
            with self.subTest(way):
                self.open_link("#body=3&unknown=b&V=147&H=7&a=6")
                self.type("Text2(1)", "8,5")
                shown = self.problem()
                if browser_has:
                    self.driver.execute_script(browser_has)
                self.click("Share")
                WebDriverWait(self.driver, TIMEOUT).until(
                    lambda d: self.element("ShareNote").text.startswith(confirmation))
                link = self.driver.execute_async_script(read_link)
                self.assertTrue(link.endswith(f"{PAGE.name}#body=3&unknown=b&V=147&H=8,5&a=6"))
                self.open(link)
                self.assertEqual(self.problem(), shown)

if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

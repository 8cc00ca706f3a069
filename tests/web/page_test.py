#!/usr/bin/python3
"""The page in headless Chromium, opened from file://, driven as a student would.

    page_test.py PAGE GOLDEN_DIR
"""
import pathlib
import sys
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import TIMEOUT, browser

PAGE = pathlib.Path(sys.argv[1]).resolve()
GOLDEN = pathlib.Path(sys.argv[2])


def golden(name):
    script, expected = (GOLDEN / f"{name}.golden").read_bytes().decode().split("\n---\n", 1)
    lines = [line for line in script.splitlines() if line and not line.startswith("#")]
    return lines, expected


class PageTest(unittest.TestCase):
    width = 700
    lang = "en-US"

    @classmethod
    def setUpClass(cls):
        cls.driver = browser(cls.width, cls.lang)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.driver.get(PAGE.as_uri())
        WebDriverWait(self.driver, TIMEOUT).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))

    def tearDown(self):
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def output(self):
        # The textarea gives its value with LF line ends; the form holds the
        # bytes the page was told to show.
        return self.driver.execute_script("return stereonaForm.state('Text1(0)').text")

    def type(self, name, text):
        self.driver.execute_script(
            "const e = document.getElementById(arguments[0]); e.value = arguments[1];"
            "e.dispatchEvent(new Event('input'));", name, text)

    def play(self, lines):
        for line in lines:
            verb, _, rest = line.partition(" ")
            if verb != "fault" and self.element("FaultMessage").is_displayed():
                self.element("FaultOk").click()  # a fault the script does not check
            if verb == "body":
                self.element(f"Option1({rest})").click()
            elif verb == "unknown":
                self.element(f"Option2({rest})").click()
            elif verb == "inputs":
                for k, text in enumerate(rest.split("|")):
                    if self.element(f"Text2({k})").is_enabled():
                        self.type(f"Text2({k})", text)
            elif verb in ("calculate", "clear"):
                self.element(f"Command1({0 if verb == 'calculate' else 1})").click()
            elif verb == "fault":
                dialog = self.element("FaultMessage")
                self.assertTrue(dialog.is_displayed())
                self.assertIn(rest, self.element("FaultText").text)
                self.element("FaultOk").send_keys(Keys.ENTER)
                self.assertFalse(dialog.is_displayed())


class StartUp(PageTest):
    def test_start_up_state(self):
        d = self.driver
        self.assertEqual(d.find_element(By.TAG_NAME, "html").get_attribute("lang"), "bg")
        # document.title collapses the caption's two blanks into one.
        self.assertEqual(d.title, "stereona.bg - конус, цилиндър, пирамида и паралелепипед")
        self.assertTrue(self.element("Option1(0)").is_selected())
        self.assertTrue(self.element("Option2(0)").is_selected())
        self.assertFalse(self.element("Text2(0)").is_enabled())
        self.assertFalse(self.element("Text2(3)").is_displayed())
        for k in range(4):
            self.assertIn(int(self.element(f"Text2({k})").get_attribute("value")), range(1, 11))
        self.assertTrue(self.output().startswith("Да се реализира проект"))
        self.assertTrue(self.output().endswith("\r\n"))
        self.assertEqual(d.switch_to.active_element.get_attribute("id"), "Command1(0)")
        self.assertEqual(self.element("Diapazon(0)").get_attribute("value"), "10")

    def test_each_body_relabels(self):
        for body, captions, fourth, pi in [(0, "VHR", False, True), (1, ["V", "H", "R1", "R2"], True, True),
                                           (2, "VHa", False, False), (3, "VHab", True, False),
                                           (4, "VHR", False, True), (5, "Vabc", True, False)]:
            self.element(f"Option1({body})").click()
            shown = [self.element(f"Option2({k})-caption").text for k in range(len(captions))]
            self.assertEqual(shown, list(captions))
            self.assertEqual(self.element("Text2(3)").is_displayed(), fourth)
            self.assertEqual(self.element("Label1(1)").is_displayed(), pi)
            self.assertEqual(self.element("Text2(2)").accessible_name, captions[2])

    def test_unknown_greys_and_random_fill(self):
        self.element("Option2(1)").click()
        self.assertFalse(self.element("Text2(1)").is_enabled())
        self.assertTrue(self.element("Text2(0)").is_enabled())
        kept = self.element("Text2(1)").get_attribute("value")
        for row, option in enumerate(self.element("Diapazon(0)").find_elements(By.TAG_NAME, "option")):
            option.click()
            for k in (0, 2, 3):
                value = int(self.element(f"Text2({k})").get_attribute("value"))
                self.assertIn(value, range(1, 10 ** (row + 1) + 1))
            self.assertEqual(self.element("Text2(1)").get_attribute("value"), kept)

    def test_arrow_keys_choose_within_a_group(self):
        def chosen(name):
            return self.driver.execute_script(
                "return stereonaForm.state(arguments[0]).selected", name)

        self.element("Option1(0)").send_keys(Keys.ARROW_DOWN)
        self.assertTrue(self.element("Option1(1)").is_selected())
        self.assertTrue(chosen("Option1(1)"))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "Option1(1)")
        self.assertEqual(self.element("Option2(3)-caption").text, "R2")
        self.assertTrue(self.element("Text2(3)").is_displayed())
        self.driver.execute_script("document.getElementById('Option2(0)').focus()")
        for key, unknown in [(Keys.ARROW_DOWN, 1), (Keys.ARROW_DOWN, 2), (Keys.ARROW_UP, 1)]:
            with self.subTest(key=key, unknown=unknown):
                self.driver.switch_to.active_element.send_keys(key)
                self.assertTrue(chosen(f"Option2({unknown})"))
                self.assertFalse(self.element(f"Text2({unknown})").is_enabled())
                self.assertEqual([self.element(f"Text2({k})").is_enabled() for k in range(4)],
                                 [k != unknown for k in range(4)])

    def test_enter_on_a_focused_command(self):
        self.element("Command1(1)").send_keys(Keys.ENTER)
        self.assertEqual([self.element(f"Text2({k})").get_attribute("value") for k in (1, 2)],
                         ["", ""])

    def check(self, name):
        lines, expected = golden(name)
        self.play(lines)
        self.assertEqual(self.output(), expected, name)
        shown = self.element("Text1(0)").get_attribute("value")
        self.assertEqual(shown, expected.replace("\r\n", "\n"), name)

    def test_each_body(self):
        for name in ("cone_volume", "truncated_cone_radius1", "pyramid_volume",
                     "truncated_pyramid_side_b", "cylinder_height", "parallelepiped_volume"):
            with self.subTest(name):
                self.setUp()
                self.check(name)

    def test_clear_refusal_fault_and_next(self):
        for name in ("clear_then_calculate", "truncated_cone_radius2_refused",
                     "fault_then_next_calculation_works"):
            with self.subTest(name):
                self.setUp()
                self.check(name)

    def test_bad_input_pasted(self):
        for text in ("9" * 1_000_000, "\x01\x02\x7f", "😀 1", "1E400"):
            self.element("Option1(5)").click()
            self.type("Text2(1)", text)
            self.element("Command1(0)").click()
            if self.element("FaultMessage").is_displayed():
                self.element("FaultOk").send_keys(Keys.ESCAPE)
            self.assertFalse(self.element("FaultMessage").is_displayed())
            self.assertTrue(self.output())


class Narrow(PageTest):
    width = 360

    def test_no_sideways_scroll(self):
        scroll, client = self.driver.execute_script(
            "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
        self.assertLessEqual(scroll, client)
        right = self.driver.execute_script(
            "return document.getElementById('Stereo_Calc').getBoundingClientRect().right")
        self.assertLessEqual(right, client + 0.5)


class Bulgarian(PageTest):
    lang = "bg"

    def test_decimal_comma(self):
        # Input is read as on the desktop, with a point; output has the comma.
        self.play(["body 5", "unknown 3", "inputs 1|2|1|x", "calculate"])
        self.assertIn("= 0,5", self.output())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

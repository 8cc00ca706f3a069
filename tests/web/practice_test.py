#!/usr/bin/python3
"""«Упражнение» in the page: a pupil's journey through it, and axe with it open.

    practice_test.py PAGE GOLDEN_DIR AXE_SCRIPT
"""
import math
import re
import sys
import unittest

from selenium.webdriver.common.keys import Keys

import page_test
from page_test import PHONE, WIDE, PageTest

# "Конус има височина H = 7 и радиус на основата R = 6. Намерете обема V."
CONE_VOLUME = re.compile(r"^Конус има височина H = (\d+) и радиус на основата R = (\d+)\. "
                         r"Намерете обема V\.$")


def comma(value, places):
    return f"{value:.{places}f}".replace(".", ",")


class Practice(PageTest):
    def text(self, name):
        """The element's text as the page holds it, line ends included."""
        return self.driver.execute_script(
            "return document.getElementById(arguments[0]).textContent", name)

    def shown(self, name):
        return self.element(name).is_displayed()

    def window_state(self):
        return self.driver.execute_script(
            "return ['Option1(0)', 'Option2(0)', 'Text2(1)', 'Text2(2)', 'Text1(0)']"
            ".map((name) => JSON.stringify(stereonaForm.state(name)))")

    def answer(self, text):
        """The verdict's lines after typing the text and Enter."""
        self.type("PracticeAnswer", "")
        self.element("PracticeAnswer").send_keys(text + Keys.ENTER)
        return self.driver.execute_script(
            "return [...document.getElementById('PracticeVerdict').children]"
            ".map((line) => line.textContent)")

    def open_cone_volumes(self):
        """Opens the practice for the window's body, the cone, and asks for
        volumes only: (H, R) of the problem posed."""
        self.click("Practice")
        self.assertFalse(self.shown("page"))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"),
                         "PracticeAnswer")
        self.click("PracticeAnyUnknown")
        self.assertFalse(self.element("PracticeAnyUnknown").is_selected())
        return self.cone()

    def cone(self):
        found = CONE_VOLUME.match(self.text("PracticeProblem"))
        self.assertIsNotNone(found, self.text("PracticeProblem"))
        return int(found[1]), int(found[2])

    def test_journey(self):
        window = self.window_state()
        height, radius = self.open_cone_volumes()
        # The exact volume with pi = 22/7, to hundredths with a comma.
        self.assertEqual(self.answer(comma(22 * radius ** 2 * height / 21, 2)), ["Вярно!"])
        self.assertIn("Решени от първия опит: 1 от 1", self.text("PracticeScore"))

        self.click("PracticeNew")
        self.assertEqual(self.element("PracticeAnswer").get_attribute("value"), "")
        height, radius = self.cone()
        self.assertEqual(self.answer(comma(3.14 * radius ** 2 * height / 3, 6)),
                         ["Почти.", "Използвайте pi = 22/7."])
        self.assertEqual(self.answer("-5"), ["Грешно."])
        self.click("PracticeHint")
        self.click("PracticeShowSolution")
        self.assertFalse(self.element("PracticeShowSolution").is_enabled())
        hint = self.text("PracticeHints")
        solution = self.text("PracticeSolution")
        self.assertIn("Решени от първия опит: 1 от 2", self.text("PracticeScore"))
        self.assertEqual(self.window_state(), window)  # untouched until «Към прозореца»

        self.click("PracticeToWindow")
        self.assertTrue(self.shown("page"))
        self.assertFalse(self.shown("PracticeView"))
        self.assertEqual([self.element(f"Text2({k})").get_attribute("value") for k in (1, 2)],
                         [str(height), str(radius)])
        self.assertEqual(self.window_state()[-1], window[-1])  # nothing calculated
        self.click("Command1(0)")
        self.assertEqual(self.output(), solution)
        self.assertIn(self.output().split("\r\n")[0], hint)

        self.click("Practice")
        self.assertEqual(self.text("PracticeSolution"), solution)  # kept while the page runs
        self.click("PracticeClose")
        self.assertTrue(self.shown("page"))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "Practice")

    def test_mixed_number_through_the_keys(self):
        """On a phone: a mixed number typed with the decimal keypad and the
        keys beside the box, each typing at the caret and leaving the caret
        and the focus in the box."""
        self.emulate(PHONE)
        self.setUp()
        height, radius = self.open_cone_volumes()
        for _ in range(30):  # a volume that is not whole, so that it has a fraction
            whole, rest = divmod(22 * radius ** 2 * height, 21)
            if rest:
                break
            self.click("PracticeNew")
            height, radius = self.cone()
        numerator, denominator = rest // math.gcd(rest, 21), 21 // math.gcd(rest, 21)
        answer = self.element("PracticeAnswer")
        answer.send_keys(f"{whole}{numerator}")
        for key, caret, typed in (("PracticeSpace", len(str(whole)), f"{whole} {numerator}"),
                                  ("PracticeFractionBar", len(f"{whole} {numerator}"),
                                   f"{whole} {numerator}/")):
            self.driver.execute_script(  # the pupil puts the caret there
                "document.getElementById('PracticeAnswer').setSelectionRange(arguments[0], "
                "arguments[0])", caret)
            self.click(key)
            self.assertEqual(self.driver.execute_script(
                "const box = document.getElementById('PracticeAnswer');"
                "return [document.activeElement.id, box.value, box.selectionStart]"),
                ["PracticeAnswer", typed, caret + 1])
        answer.send_keys(str(denominator))
        self.click("PracticeCheck")
        self.assertEqual(self.text("PracticeVerdict"), "Вярно!")

    def test_no_violations(self):
        for viewport in (WIDE, PHONE):
            with self.subTest(width=viewport["width"]):
                self.emulate(viewport)
                self.setUp()
                self.click("Practice")
                self.answer("-5")
                self.click("PracticeHint")
                self.assertEqual(page_test.Accessibility.violations(self), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

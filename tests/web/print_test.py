#!/usr/bin/python3
"""What the page prints, from file:// in the engine STEREONA_ENGINE names
(browsers.py): the solution and a practice sheet printed to PDF, read back
with pdftotext (Debian poppler-utils). Only the document is printed, never a
control's caption. WebKitWebDriver has no print command: there the text of
the document the page puts up for printing is read instead, as one page.

    print_test.py PAGE
"""
import pathlib
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By

from browsers import ENGINE, browser, browser_errors, load_page, press, print_pdf, type_text

PAGE = pathlib.Path(sys.argv[1]).resolve()
# Captions of the window's and the page's own controls.
CONTROLS = ["Изчисли", "Изчисти", "Вид тяло", "Диапазон", "Печат", "Затвори",
            "Листове за упражнения", "Покажи", "Брой задачи"]
# The document the print style shows, by what the page asks to print.
PRINTED_DOCUMENT = """
const shown = {solution: 'SolutionDocument', sheet: 'SheetDocument'}[document.body.dataset.printing];
return document.getElementById(shown).textContent;"""


class PrintTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser(1100, "en-US", 900)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        load_page(self.driver, PAGE)
        # The print dialog is the browser's; here the page asks for it only.
        self.driver.execute_script("window.print = () => { window.printed = true; };")

    def tearDown(self):
        self.assertEqual(browser_errors(self.driver), [])

    def click(self, name):
        press(self.driver, name)

    def printed_pages(self):
        self.assertTrue(self.driver.execute_script("return window.printed === true"))
        pdf = print_pdf(self.driver)
        if pdf is None:
            return [self.driver.execute_script(PRINTED_DOCUMENT)]
        with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
            file.write(pdf)
            file.flush()
            text = subprocess.run(["pdftotext", "-layout", file.name, "-"], check=True,
                                  capture_output=True, text=True).stdout
        return text.split("\f")[:-1]

    def assert_no_controls(self, text):
        for caption in CONTROLS:
            self.assertNotIn(caption, text)

    def test_the_solution_prints_alone(self):
        # The cone of the reference text: H = 7, R = 6.
        self.click("Option1(0)")
        for name, value in (("Text2(1)", "7"), ("Text2(2)", "6")):
            type_text(self.driver, name, value)
        self.click("Command1(0)")
        self.click("PrintSolution")
        pages = self.printed_pages()
        text = "\n".join(pages)
        self.assertEqual(len(pages), 1, text)
        for line in ("Конус", "Дадено: височина H = 7 и радиус на основата R = 6.",
                     "Неизвестно: обем V.", "V = 22 * 7 * 6 * 6 / 21 = 5544 / 21 = 264"):
            self.assertIn(line, text)
        self.assert_no_controls(text)

    def test_a_sheet_prints_its_problems_then_its_key(self):
        self.click("PracticeSheets")
        self.driver.execute_script(
            "document.getElementById('SheetNumber').value = 2024;"
            "document.getElementById('SheetProblems').value = 12;")
        self.click("SheetShow")
        self.assertTrue(self.driver.find_element(By.ID, "SheetView").is_displayed())
        self.assertFalse(self.driver.find_element(By.ID, "Sharing").is_displayed())
        self.click("SheetPrint")
        pages = self.printed_pages()
        if ENGINE == "webkit":  # no pages to count: problems and key as one text
            pages = pages[0].split("Отговори:", 1)
            pages[1] = "Отговори:" + pages[1]
        self.assertGreaterEqual(len(pages), 2)
        self.assertIn("Лист за упражнения № 2024, вариант 1", pages[0])
        self.assertIn("Намерете обема V.", pages[0])
        self.assertNotIn("Отговори", pages[0])
        self.assertIn("Отговори: лист № 2024, вариант 1", "\n".join(pages[1:]))
        self.assert_no_controls("\n".join(pages))

        self.click("SheetClose")
        self.assertFalse(self.driver.find_element(By.ID, "SheetView").is_displayed())
        self.assertTrue(self.driver.find_element(By.ID, "Command1(0)").is_displayed())
        self.assertTrue(self.driver.find_element(By.ID, "Sharing").is_displayed())
        # Opened again, the dialog offers a new sheet (one chance in 999999 of 2024).
        self.click("PracticeSheets")
        self.assertNotEqual(
            self.driver.find_element(By.ID, "SheetNumber").get_attribute("value"), "2024")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])

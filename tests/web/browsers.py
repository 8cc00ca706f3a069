"""Debian's Chromium, headless, through chromedriver, as this machine allows it:
as root it needs --no-sandbox, and with no network its background services
must stay off."""
import pathlib
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

TIMEOUT = 15  # seconds for any one wait: nothing may hang CI


def browser(width=700, lang="en-US", height=700):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", f"--lang={lang}",
                     f"--window-size={width},{height}",
                     f"--user-data-dir={tempfile.mkdtemp(prefix='stereona-chromium-')}"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": lang})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(TIMEOUT)
    driver.set_script_timeout(TIMEOUT)
    return driver


def load_page(driver, page):
    """Opens the page, a path from file:// or an address, and waits until its
    start-up state is shown."""
    driver.get(page.as_uri() if isinstance(page, pathlib.Path) else page)
    wait_until_ready(driver)


def wait_until_ready(driver):
    WebDriverWait(driver, TIMEOUT).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready"))


def type_text(driver, name, text):
    """The text in the input as if typed: the page hears it as input."""
    driver.execute_script(
        "const e = document.getElementById(arguments[0]); e.value = arguments[1];"
        "e.dispatchEvent(new Event('input'));", name, text)


def browser_errors(driver):
    """What the page's scripts reported as errors since the last call."""
    return [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]

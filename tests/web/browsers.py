"""The three engines the page is tested in, chosen by STEREONA_ENGINE
(chromium when unset), each as this machine allows it:

- chromium: Debian's Chromium, headless, through chromedriver; as root it
  needs --no-sandbox, and with no network its background services stay off.
- webkit: WebKitGTK's MiniBrowser through WebKitWebDriver (the engine of every
  iPhone browser), under an Xvfb of its own where no display is set. It has
  no headless mode, no device emulation (a window of the phone's width, as
  narrow as MiniBrowser's toolbar lets it be), no console log for the driver,
  no print command and no script run before a page's own.
- firefox: Firefox ESR, headless, over WebDriver BiDi (firefox_bidi.py). It
  has no touch emulation (a finger's taps are pointer actions of kind touch)
  and gives no computed accessible name.

Each test asks here for what an engine can do, and degrades plainly where it
cannot. What an engine needs of this machine is checked first, when a test
imports this module: a missing program or module is named with the Debian
package that brings it, and the test exits as skipped (77), or as failed
under CI=true, where every engine must run."""
import atexit
import base64
import importlib.util
import os
import pathlib
import subprocess
import sys
import tempfile

TIMEOUT = 15  # seconds for any one wait: nothing may hang CI
ENGINE = os.environ.get("STEREONA_ENGINE", "chromium")


def _multiarch():
    """This machine's multiarch triplet, the folder of its libraries."""
    return subprocess.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], capture_output=True,
                          text=True, check=False).stdout.strip()


# WebKitWebDriver starts the MiniBrowser of the WebKitGTK API it is built
# against, which Debian's library package puts in the architecture's folder.
MINIBROWSER = f"/usr/lib/{_multiarch()}/webkit2gtk-4.1/MiniBrowser"
# The locale WebKit runs under for a Bulgarian page (made by the web-tests set).
BULGARIAN_LOCALE = "bg_BG.utf8"


def _require(missing):
    """Exits where something ENGINE needs is missing: as skipped, or as
    failed under CI=true."""
    if not missing:
        return
    ci = os.environ.get("CI") == "true"
    print(f"{'FAILED' if ci else 'SKIPPED'}: {ENGINE} cannot run here, missing "
          f"{'; '.join(missing)} (scripts/install-deps.sh web-tests installs it)",
          file=sys.stderr)
    sys.exit(1 if ci else 77)


_require([f"the Python module {module} ({package})"
          for module, package in (("selenium", "python3-selenium"),
                                  ("websockets", "python3-websockets"))
          if importlib.util.find_spec(module) is None])

# Imported only once the modules are known to be there.
# pylint: disable=wrong-import-position
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

import firefox_bidi

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"


def _missing_programs():
    """The programs ENGINE needs and this machine lacks, each with its
    Debian package."""
    programs = {
        "chromium": [(CHROMIUM, "chromium"), (CHROMEDRIVER, "chromium-driver")],
        "webkit": [(WEBKIT_DRIVER, "webkit2gtk-driver"),
                   (MINIBROWSER, "libwebkit2gtk-4.1-0, which webkit2gtk-driver brings")]
                  + ([] if os.environ.get("DISPLAY") else [("/usr/bin/Xvfb", "xvfb")]),
        "firefox": [(firefox_bidi.FIREFOX, "firefox-esr")],
    }[ENGINE]
    missing = [f"{path} ({package})" for path, package in programs
               if not os.access(path, os.X_OK)]
    if ENGINE == "webkit":
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True,
                                 check=False).stdout.split()
        if BULGARIAN_LOCALE not in locales:
            missing.append("the bg_BG.UTF-8 locale (locales: the web-tests set makes it)")
    return missing


_require(_missing_programs())

# The narrowest viewport each engine gives: MiniBrowser's window keeps its
# toolbar's width.
NARROWEST = {"chromium": 0, "firefox": 0, "webkit": 447}[ENGINE]


def _chromium(width, height, lang):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", f"--lang={lang}",
                     f"--window-size={width},{height}",
                     f"--user-data-dir={tempfile.mkdtemp(prefix='stereona-chromium-')}"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": lang})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def _own_display():
    """An Xvfb for this process's browsers, stopped when it ends."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1200x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as display:
        os.environ["DISPLAY"] = f":{display.readline().strip()}"
    atexit.register(xvfb.terminate)


def _webkit(width, height, lang):
    if not os.environ.get("DISPLAY"):
        _own_display()
    # WebKitGTK takes navigator.language from the locale it runs under.
    # A tag of one part is taken as its language's own country (bg: bg_BG).
    language, _, country = lang.partition("-")
    os.environ["LANG"] = f"{language}_{(country or language).upper()}.UTF-8" \
        if lang != "C" else "C.UTF-8"
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)
    set_viewport(driver, width, height)
    return driver


def browser(width=700, lang="en-US", height=700):
    start = {"chromium": _chromium, "webkit": _webkit, "firefox": firefox_bidi.Firefox}[ENGINE]
    driver = start(width, height, lang)
    driver.set_page_load_timeout(TIMEOUT)
    driver.set_script_timeout(TIMEOUT)
    return driver


def set_viewport(driver, width, height):
    """The page's viewport, as near to width x height as the engine allows."""
    if ENGINE == "firefox":
        driver.command("browsingContext.setViewport", {
            "context": driver.context, "viewport": {"width": width, "height": height},
            "devicePixelRatio": 1})
    elif ENGINE == "webkit":
        # The window is the viewport and MiniBrowser's toolbar.
        driver.set_window_size(width, height)
        inner = driver.execute_script("return [innerWidth, innerHeight]")
        driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])


def emulate(driver, viewport):
    """A desktop or a phone: Chromium emulates the device, its touch included;
    the other engines give a viewport of its size."""
    if ENGINE == "chromium":
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {**viewport, "deviceScaleFactor": 1})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                               {"enabled": viewport["mobile"], "maxTouchPoints": 5})
    else:
        set_viewport(driver, viewport["width"], viewport["height"])


# An element's box in the viewport and the zoom its text is drawn at, as
# scripts: Chromium and Firefox give boxes as drawn (currentCSSZoom), while
# WebKit's CSS zoom is the older one, whose boxes are given before the zoom
# of the wide arrangement's window or practice view (WebKitWebDriver, which
# clicks at an element's box, then misses it).
BOX = """
const zoomOf = (e) => e.currentCSSZoom
  ?? (parseFloat(getComputedStyle(e.closest('.window, #PracticeView') || e).zoom) || 1);
const box = (e) => {
  const r = e.getBoundingClientRect();
  const scale = 'currentCSSZoom' in e ? 1 : zoomOf(e);
  return [r.left * scale, r.top * scale, r.right * scale, r.bottom * scale];
};
"""


def tap(driver, x, y):
    """A finger's tap at a point of the viewport."""
    if ENGINE == "chromium":
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                   {"type": kind, "touchPoints": points})
    elif ENGINE == "firefox":
        driver.perform(firefox_bidi.pointer("touch", "viewport", round(x), round(y)))
    else:
        finger = ActionBuilder(driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        finger.pointer_action.move_to_location(round(x), round(y)).pointer_down().pointer_up()
        finger.perform()


def press(driver, name, finger=False):
    """A click with the mouse, or a tap of a finger, on the middle of the
    control's bar or box. WebKit is clicked at the point as drawn (see BOX)."""
    if not finger and ENGINE != "webkit":
        driver.find_element(By.ID, name).click()
        return
    x, y = driver.execute_script(
        f"{BOX}"
        "const e = document.getElementById(arguments[0]);"
        "const option = e.closest('.option') || e;"
        "option.scrollIntoView({block: 'center'});"
        "const [left, top, right, bottom] = box(option);"
        "return [(left + right) / 2, (top + bottom) / 2];", name)
    if finger:
        tap(driver, x, y)
    else:
        mouse = ActionBuilder(driver)
        mouse.pointer_action.move_to_location(round(x), round(y)).click()
        mouse.perform()


# WebKitWebDriver gives no console log: there a listener, added once the page
# has started, collects what its scripts throw afterwards (an error in start-up
# leaves the page without its ready mark, which every test waits for).
ERROR_LISTENER = """
if (!window.stereonaErrors) {
  window.stereonaErrors = [];
  addEventListener('error', (e) => stereonaErrors.push(String(e.message)));
  addEventListener('unhandledrejection', (e) => stereonaErrors.push(String(e.reason)));
}"""


def load_page(driver, page):
    """Opens the page, a path from file:// or an address, and waits until its
    start-up state is shown."""
    driver.get(page.as_uri() if isinstance(page, pathlib.Path) else page)
    wait_until_ready(driver)


def wait_until_ready(driver):
    WebDriverWait(driver, TIMEOUT).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready"))
    if ENGINE == "webkit":
        driver.execute_script(ERROR_LISTENER)


def type_text(driver, name, text):
    """The text in the input as if typed: the page hears it as input."""
    driver.execute_script(
        "const e = document.getElementById(arguments[0]); e.value = arguments[1];"
        "e.dispatchEvent(new Event('input'));", name, text)


def browser_errors(driver):
    """What the page's scripts reported as errors since the last call."""
    if ENGINE == "chromium":
        return [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    if ENGINE == "firefox":
        errors = [entry for entry in driver.log if entry["level"] == "error"]
        driver.log.clear()
        return errors
    return driver.execute_script(
        "return window.stereonaErrors ? stereonaErrors.splice(0) : []")


def before_each_document(driver, source):
    """Runs the script in each page before the page's own, or None where the
    engine cannot (WebKitWebDriver); gives what stops it."""
    if ENGINE == "chromium":
        added = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                       {"source": source})
        return lambda: driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", added)
    if ENGINE == "firefox":
        added = driver.command("script.addPreloadScript",
                               {"functionDeclaration": f"() => {{ {source} }}"})
        return lambda: driver.command("script.removePreloadScript", added)
    return None


def print_pdf(driver):
    """The PDF the engine prints of the page with its print style, or None
    where the driver has no print command (WebKitWebDriver)."""
    if ENGINE == "chromium":
        return base64.b64decode(driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})["data"])
    if ENGINE == "firefox":
        return driver.print_pdf()
    return None

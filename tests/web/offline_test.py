#!/usr/bin/python3
"""The page served over HTTP: installable, and started from the service
worker's cache once the server has gone; from file:// it is offered neither.

    offline_test.py PAGE GOLDEN_DIR
"""
import json
import pathlib
import re
import shutil
import sys
import tempfile
import unittest
import urllib.error
import urllib.request

from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import TIMEOUT, load_page, wait_until_ready
from local_server import LocalServer
from page_test import PAGE, PageTest, golden

WORKER = "stereona-worker.js"


class Offline(PageTest):
    def setUp(self):
        pass  # each test opens the page as it needs it

    def serve(self):
        # A copy of the page's folder, as a school copies it to its server;
        # the test may change the copy's worker as a new build would.
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="stereona-served-"))
        self.addCleanup(shutil.rmtree, self.folder)
        shutil.copytree(PAGE.parent, self.folder, dirs_exist_ok=True)
        self.server = LocalServer(self.folder)
        load_page(self.driver, f"{self.server.url}{PAGE.name}")

    def active_cache(self):
        """Waits for the active worker to be activated and gives the caches."""
        WebDriverWait(self.driver, TIMEOUT).until(lambda d: d.execute_async_script(
            "navigator.serviceWorker.ready.then((r) => arguments[0](r.active.state))")
            == "activated")
        return self.driver.execute_async_script("caches.keys().then(arguments[0])")

    def test_installable_and_starts_offline(self):
        self.serve()
        self.assertEqual(len(self.active_cache()), 1)
        manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual(manifest["errors"], [])
        self.assertEqual(json.loads(manifest["data"])["name"], "Стереона")
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.server.stop()
        with self.assertRaises(urllib.error.URLError):
            urllib.request.urlopen(self.server.url, timeout=TIMEOUT)
        self.driver.refresh()
        wait_until_ready(self.driver)
        self.assertTrue(self.driver.execute_script("return navigator.serviceWorker.controller"))
        lines, expected = golden("truncated_cone_radius1")
        self.play(lines)
        self.assertEqual(self.output(), expected)

    def test_a_new_build_replaces_the_old_cache(self):
        self.serve()
        self.assertRegex(" ".join(self.active_cache()), r"^stereona-[0-9a-f]{16}$")
        # Another copy of the page, in another folder of the same server.
        self.driver.execute_async_script(
            "Promise.all([caches.open('another-page'), caches.open('stereona-0123456789abcdef')"
            ".then((cache) => cache.put('/another/stereona.html', new Response('')))])"
            ".then(() => arguments[0]())")
        worker = self.folder / WORKER
        worker.write_text(re.sub(r"stereona-[0-9a-f]+", "stereona-next", worker.read_text()))
        self.driver.execute_async_script(
            "navigator.serviceWorker.getRegistration().then((r) => r.update())"
            ".then(() => arguments[0]())")
        WebDriverWait(self.driver, TIMEOUT).until(
            lambda d: sorted(self.active_cache())
            == ["another-page", "stereona-0123456789abcdef", "stereona-next"])
        self.server.stop()

    def test_nothing_offered_from_a_file(self):
        # Each attempt to register a worker is counted: the browser refuses it
        # from a file, and leaves no registration behind to look for.
        counting = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "const register = ServiceWorkerContainer.prototype.register;"
                      "ServiceWorkerContainer.prototype.register = function (...args) {"
                      "  window.registrations = (window.registrations || 0) + 1;"
                      "  return register.apply(this, args); };"})
        self.addCleanup(self.driver.execute_cdp_cmd,
                        "Page.removeScriptToEvaluateOnNewDocument", counting)
        load_page(self.driver, PAGE)
        self.assertEqual(self.driver.execute_script(
            "return [document.querySelectorAll('link[rel=manifest]').length,"
            " window.registrations || 0]"), [0, 0])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

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

from browsers import ENGINE, TIMEOUT, before_each_document, load_page, wait_until_ready
from local_server import LocalServer
from page_test import PAGE, PageTest, golden

WORKER = "stereona-worker.js"
COUNT_REGISTRATIONS = """
const container = globalThis.ServiceWorkerContainer;
const register = container && container.prototype.register;
if (register) {
  container.prototype.register = function (...args) {
    window.registrations = (window.registrations || 0) + 1;
    return register.apply(this, args);
  };
}"""


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
        if ENGINE == "chromium":
            manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
            self.assertEqual(manifest["errors"], [])
            self.assertEqual(json.loads(manifest["data"])["name"], "Стереона")
            self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                             {"installabilityErrors": []})
        else:
            # Only Chromium tells a driver what it makes of a manifest: the
            # others are asked for the manifest the page links.
            manifest = self.driver.execute_async_script(
                "fetch(document.querySelector('link[rel=manifest]').href)"
                ".then((r) => r.json()).then(arguments[0])")
            self.assertEqual(manifest["name"], "Стереона")
        self.server.stop()
        with self.assertRaises(urllib.error.URLError):
            urllib.request.urlopen(self.server.url, timeout=TIMEOUT)
        self.driver.refresh()
        wait_until_ready(self.driver)
        self.assertTrue(self.driver.execute_script("return !!navigator.serviceWorker.controller"))
        lines, expected = golden("truncated_cone_radius1")
        self.play(lines)
        self.assertEqual(self.output(), expected)

    def test_a_new_build_replaces_only_its_own_cache(self):
        # Two copies of the same build in two folders of one server, each
        # opened once; then one is rebuilt.
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="stereona-served-"))
        self.addCleanup(shutil.rmtree, self.folder)
        for copy in ("one", "two"):
            shutil.copytree(PAGE.parent, self.folder / copy)
        self.server = LocalServer(self.folder)
        self.addCleanup(self.server.stop)
        caches = {}
        for copy in ("one", "two"):
            load_page(self.driver, f"{self.server.url}{copy}/{PAGE.name}")
            caches[copy] = [name for name in self.active_cache()
                            if f"{self.server.url}{copy}/" in name]
            self.assertRegex(" ".join(caches[copy]), r"^stereona \S+ [0-9a-f]{16}$")
        # Caches named as before they carried the scope: one holding a file
        # of the first copy alone, one a file of the second.
        older = {"stereona-0123456789abcdef": "one", "stereona-fedcba9876543210": "two"}
        self.driver.execute_async_script(
            "Promise.all(Object.entries(arguments[0]).map(([name, url]) => caches.open(name)"
            ".then((cache) => cache.put(url, new Response('')))))"
            ".then(() => arguments[1]())",
            {name: f"{self.server.url}{copy}/{PAGE.name}" for name, copy in older.items()})
        worker = self.folder / "one" / WORKER
        worker.write_text(re.sub(r"[0-9a-f]{16}(?=`)", "next", worker.read_text()))
        self.driver.execute_async_script(
            "navigator.serviceWorker.getRegistration(arguments[0]).then((r) => r.update())"
            ".then(() => arguments[1]())", f"{self.server.url}one/")
        rebuilt = caches["one"][0].rsplit(" ", 1)[0] + " next"
        WebDriverWait(self.driver, TIMEOUT).until(
            lambda d: sorted(d.execute_async_script("caches.keys().then(arguments[0])"))
            == sorted([rebuilt, *caches["two"], "stereona-fedcba9876543210"]))
        self.server.stop()
        load_page(self.driver, f"{self.server.url}two/{PAGE.name}")
        self.assertTrue(self.driver.execute_script("return !!navigator.serviceWorker.controller"))

    def test_nothing_offered_from_a_file(self):
        # Each attempt to register a worker is counted: the browser refuses it
        # from a file, and leaves no registration behind to look for. Where
        # the engine runs no script before the page's (WebKitWebDriver), only
        # the manifest is looked for.
        stop = before_each_document(self.driver, COUNT_REGISTRATIONS)
        if stop:
            self.addCleanup(stop)
        load_page(self.driver, PAGE)
        offered = self.driver.execute_script(
            "return [document.querySelectorAll('link[rel=manifest]').length,"
            " window.registrations || 0]")
        self.assertEqual(offered, [0, 0])
        if not stop:
            self.skipTest(f"{ENGINE} runs no script before the page's: registrations not counted")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""Firefox ESR driven over WebDriver BiDi, which it speaks itself: Debian has
no geckodriver. Only the few calls the page's tests make, under the names
Selenium gives them, so that one suite drives all three engines."""
import asyncio
import base64
import itertools
import json
import re
import shutil
import subprocess
import tempfile
import threading

import websockets

FIREFOX = "/usr/bin/firefox-esr"


class BidiError(Exception):
    pass


def _remote(value):
    """A Python value as a BiDi local value."""
    if isinstance(value, FirefoxElement):
        return {"sharedId": value.shared_id}
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [_remote(v) for v in value]}
    return {"type": "object", "value": [[k, _remote(v)] for k, v in value.items()]}


class Firefox:
    """A headless Firefox with a profile of its own, and its one tab."""

    def __init__(self, width, height, lang):
        self._profile = tempfile.mkdtemp(prefix="stereona-firefox-")
        with open(f"{self._profile}/user.js", "w", encoding="utf-8") as prefs:
            prefs.write(f'user_pref("intl.accept_languages", "{lang}");\n')
            # Nothing to fetch: this machine has no network beyond the page.
            prefs.write('user_pref("browser.startup.homepage_override.mstone", "ignore");\n')
        self._process = subprocess.Popen(
            [FIREFOX, "--headless", "--no-remote", "--profile", self._profile,
             "--remote-debugging-port", "0", f"--window-size={width},{height}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        address = None
        for line in self._process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            raise BidiError("Firefox did not open WebDriver BiDi")
        threading.Thread(target=self._process.stderr.read, daemon=True).start()
        self._loop = asyncio.new_event_loop()
        threading.Thread(target=self._loop.run_forever, daemon=True).start()
        self.timeout = 15
        self._ids = itertools.count(1)
        self._waiting = {}
        self.log = []
        self._call(self._connect(f"{address}/session"))
        self.command("session.new", {"capabilities": {}})
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]

    # The connection, on a loop of its own in a thread of its own.
    def _call(self, coroutine, timeout=60):
        return asyncio.run_coroutine_threadsafe(coroutine, self._loop).result(timeout)

    async def _connect(self, address):
        self._socket = await websockets.connect(address, max_size=None)
        self._loop.create_task(self._read())

    async def _read(self):
        try:
            async for text in self._socket:
                message = json.loads(text)
                if "id" in message and message["id"] in self._waiting:
                    self._waiting.pop(message["id"]).set_result(message)
                elif message.get("method") == "log.entryAdded":
                    self.log.append(message["params"])
        except websockets.ConnectionClosed:
            pass  # Firefox quit

    async def _send(self, method, params):
        number = next(self._ids)
        self._waiting[number] = self._loop.create_future()
        await self._socket.send(json.dumps({"id": number, "method": method, "params": params}))
        return await self._waiting[number]

    def command(self, method, params):
        message = self._call(self._send(method, params), self.timeout + 45)
        if message.get("type") == "error":
            raise BidiError(f"{method}: {message['error']}: {message.get('message')}")
        return message["result"]

    # What the tests call, as Selenium names it.
    def set_page_load_timeout(self, seconds):
        self.timeout = seconds

    set_script_timeout = set_page_load_timeout

    def get(self, address):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": address, "wait": "complete"})

    def refresh(self):
        self.command("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def _value(self, remote):
        kind = remote["type"]
        if kind == "node":
            return FirefoxElement(self, remote["sharedId"])
        if kind == "array":
            return [self._value(v) for v in remote["value"]]
        if kind == "object":
            return {k: self._value(v) for k, v in remote["value"]}
        return remote.get("value")

    def _run(self, function, args):
        result = self.command("script.callFunction", {
            "functionDeclaration": function, "arguments": [_remote(a) for a in args],
            "target": {"context": self.context}, "awaitPromise": True,
            "resultOwnership": "none", "serializationOptions": {"maxObjectDepth": 8}})
        if result["type"] == "exception":
            raise BidiError(result["exceptionDetails"]["text"])
        return self._value(result["result"])

    def execute_script(self, body, *args):
        return self._run(f"function () {{ {body} }}", args)

    def execute_async_script(self, body, *args):
        # The script's last argument resolves the promise the call awaits.
        return self._run(
            "function (...args) { return new Promise((done, fail) => {"
            f" setTimeout(() => fail(new Error('script timeout')), {self.timeout * 1000});"
            f" (function () {{ {body} }}).apply(this, [...args, done]); }}); }}", args)

    @property
    def title(self):
        return self.execute_script("return document.title")

    def find_element(self, by, name):
        """By id or by tag name, the two ways the tests find an element."""
        found = self.execute_script(
            "return arguments[0] === 'id' ? document.getElementById(arguments[1])"
            " : document.querySelector(arguments[1])", by, name)
        if found is None:
            raise BidiError(f"no element {name}")
        return found

    @property
    def switch_to(self):
        return self

    @property
    def active_element(self):
        return self.execute_script("return document.activeElement")

    def perform(self, *sources):
        self.command("input.performActions", {"context": self.context, "actions": list(sources)})

    def print_pdf(self):
        return base64.b64decode(self.command("browsingContext.print", {
            "context": self.context, "background": True})["data"])

    def save_screenshot(self, path):
        shot = self.command("browsingContext.captureScreenshot", {"context": self.context})
        with open(path, "wb") as file:
            file.write(base64.b64decode(shot["data"]))

    def quit(self):
        try:
            self.command("session.end", {})
        except Exception:  # Firefox may close the socket first
            pass
        self._call(self._socket.close())
        self._process.terminate()
        self._process.wait(30)
        self._loop.call_soon_threadsafe(self._loop.stop)
        shutil.rmtree(self._profile, ignore_errors=True)


def pointer(kind, origin, x=0, y=0):
    """A press and release at a point, of the mouse or a finger."""
    return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
        {"type": "pointerMove", "x": x, "y": y, "origin": origin},
        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}


class FirefoxElement:
    def __init__(self, driver, shared_id):
        self.driver = driver
        self.shared_id = shared_id

    def _script(self, body, *args):
        return self.driver.execute_script(body, self, *args)

    def click(self):
        self._script("arguments[0].scrollIntoView({block: 'center'})")
        self.driver.perform(pointer("mouse", {"type": "element",
                                              "element": {"sharedId": self.shared_id}}))

    def send_keys(self, keys):
        self._script("arguments[0].focus()")
        actions = [{"type": t, "value": k} for k in keys for t in ("keyDown", "keyUp")]
        self.driver.perform({"type": "key", "id": "keyboard", "actions": actions})

    def is_displayed(self):
        return self._script("return arguments[0].checkVisibility({visibilityProperty: true})")

    def is_enabled(self):
        return not self._script("return arguments[0].disabled === true")

    def is_selected(self):
        return self._script("return arguments[0].checked === true || arguments[0].selected === true")

    def get_attribute(self, name):
        value = self._script("const e = arguments[0], n = arguments[1];"
                             "const v = n in e ? e[n] : e.getAttribute(n);"
                             "return v === null || v === undefined ? null : String(v);", name)
        return value

    @property
    def text(self):
        return self._script("return arguments[0].innerText.trim()")

    def find_elements(self, _by, selector):
        return self._script("return [...arguments[0].querySelectorAll(arguments[1])]", selector)

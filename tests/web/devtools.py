"""A small client of Chromium's DevTools protocol: starts Debian's chromium headless with a
private profile, opens one page and sends it commands. Enough for the page's end-to-end checks
and its CPU benchmark; no browser is downloaded."""

import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket


class Browser:
    """Headless chromium with a throwaway profile under `workdir`, one page open."""

    def __init__(self, workdir, width=800, height=480, scale=1.0):
        os.makedirs(workdir, exist_ok=True)
        self.profile = tempfile.mkdtemp(prefix="chromium-", dir=workdir)
        # As root chromium refuses to start without --no-sandbox. Software drawing: no GPU here.
        # Headless, it is kept from the caller's display altogether. insecure.test names the
        # loopback address without making it a secure origin, as plain http elsewhere is.
        environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--no-default-browser-check", "--disable-extensions", "--mute-audio",
             "--remote-debugging-port=0", "--user-data-dir=" + self.profile,
             "--host-resolver-rules=MAP insecure.test 127.0.0.1",
             "--window-size=%d,%d" % (width, height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=environment)
        port = self._port()
        pages = []
        for _ in range(100):
            with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port) as reply:
                pages = [t for t in json.load(reply) if t["type"] == "page"]
            if pages:
                break
            time.sleep(0.1)
        self.target = pages[0]["id"]
        self.socket = websocket.create_connection(pages[0]["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0
        self.events = []
        self.send("Page.enable")
        self.send("Runtime.enable")
        self.send("Log.enable")
        self.set_viewport(width, height, scale)

    def _port(self):
        active = os.path.join(self.profile, "DevToolsActivePort")
        for _ in range(300):
            if self.process.poll() is not None:
                raise RuntimeError("chromium ended at start with status %d" % self.process.returncode)
            if os.path.exists(active):
                with open(active) as f:
                    first = f.readline().strip()
                if first:
                    return int(first)
            time.sleep(0.1)
        raise RuntimeError("chromium opened no DevTools port")

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self.events.append(message)

    def set_viewport(self, width, height, scale=1.0, screen=(0, 0)):
        # The window's size does not reach the page's viewport under the protocol: the device
        # metrics do. The screen, in CSS pixels, stays the headless one's (800x600) unless given.
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                  mobile=False, screenWidth=screen[0], screenHeight=screen[1])

    def add_script(self, source):
        """Runs `source` in every page opened from now on, before the page's own scripts."""
        return self.send("Page.addScriptToEvaluateOnNewDocument", source=source)["identifier"]

    def remove_script(self, identifier):
        self.send("Page.removeScriptToEvaluateOnNewDocument", identifier=identifier)

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def open(self, url, ready="typeof Module !== 'undefined' && Module.calledRun === true", seconds=20):
        """Loads `url` and waits until `ready` (a JavaScript expression) holds in the new document:
        the one shown before answers until the new one replaces it."""
        self.evaluate("window.replacedDocument = true")
        self.send("Page.navigate", url=url)
        return self.wait_for("!window.replacedDocument && (%s)" % ready, seconds)

    def wait_for(self, expression, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                if self.evaluate(expression):
                    return True
            except RuntimeError:
                pass  # the page is still loading
            time.sleep(0.1)
        return False

    def mouse(self, kind, x, y, button="left"):
        held = {"left": 1, "right": 2}[button]
        self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                  buttons=0 if kind == "mouseReleased" else held, clickCount=1)

    def touch(self, kind, points):
        """`kind` touchStart, touchMove or touchEnd; `points` the fingers down after it, (x, y, id) each."""
        self.send("Input.dispatchTouchEvent", type=kind, touchPoints=[{"x": x, "y": y, "id": i} for x, y, i in points])

    def key(self, text, modifiers=0):
        """A digit key; `modifiers` 1 holds Alt, 2 Ctrl, 4 Meta (Cmd; they then type no text)."""
        self.send("Input.dispatchKeyEvent", type="keyDown", key=text, text="" if modifiers else text,
                  modifiers=modifiers, code="Digit" + text, windowsVirtualKeyCode=ord(text))
        self.send("Input.dispatchKeyEvent", type="keyUp", key=text, modifiers=modifiers, code="Digit" + text,
                  windowsVirtualKeyCode=ord(text))

    def hide(self):
        """Puts another tab in front: the page is hidden, as behind another tab."""
        self.cover = self.send("Target.createTarget", url="about:blank")["targetId"]

    def show(self):
        self.send("Target.closeTarget", targetId=self.cover)
        self.send("Target.activateTarget", targetId=self.target)

    def errors(self):
        """What the page threw, or logged as an error to its console or the browser's log, since
        the last call, as text."""
        found = []
        for event in self.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.exceptionThrown":
                details = params["exceptionDetails"]
                found.append(details.get("exception", {}).get("description", details.get("text", "")))
            elif method == "Runtime.consoleAPICalled" and params["type"] in ("error", "assert"):
                found.append(" ".join(str(a.get("value", a.get("description", ""))) for a in params["args"]))
            elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
                found.append(params["entry"]["text"])
        self.events = []
        return found

    def pids(self):
        """The browser's process and every process below it."""
        found = [self.process.pid]
        for pid in found:
            try:
                with open("/proc/%d/task/%d/children" % (pid, pid)) as f:
                    found.extend(int(p) for p in f.read().split())
            except OSError:
                pass
        return found

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

"""The page's parts served over http: from a static server, in a frame on another page, and
installed from a folder with its service worker, offline."""

import functools
import http.server
import pathlib
import shutil
import threading
import time

from pagekit import FRAME_COUNTER, check, count, page_dir, work_dir


# Its own empty icon, as the page has: a browser asks a page without one for /favicon.ico. The
# frame gets the framing page's query; below it, room to scroll it far off.
FRAMED = """<!doctype html><title>Framing page</title><link rel="icon" href="data:,">
<iframe src="/index.html%s" style="width: 600px; height: 400px; border: 0"></iframe>
<div style="height: 40000px"></div>"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        if not self.path.startswith("/framed.html"):
            return super().do_GET()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write((FRAMED % self.path[len("/framed.html"):]).encode())


def served_page(browser):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=page_dir))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        url = "http://127.0.0.1:%d/" % server.server_address[1]
        check("a static server serves it (%s) and it runs" % url,
              browser.open(url) and browser.wait_for("Module._cascadium_steps() > 30", 10))
        # In a frame on another page, which has the focus.
        check("a page frames it", browser.open(url + "framed.html", "frames[0].Module.calledRun === true"))
        browser.mouse("mousePressed", 300, 200)
        browser.mouse("mouseReleased", 300, 200)
        browser.key("2")
        check("in a frame, a press on the canvas gives it the keys (world %s after 2)"
              % browser.evaluate("frames[0].Module._cascadium_world()"),
              browser.wait_for("frames[0].Module._cascadium_world() === 1", 2))
        # With no frame callback the stand-in timer draws the frame in view; scrolled far off it
        # is drawn for nobody, and a browser stops its frame callbacks there: so must the timer.
        script = browser.add_script(FRAME_COUNTER)
        browser.open(url + "framed.html?stall", "frames[0].Module.calledRun === true")
        framed_steps = "frames[0].Module._cascadium_steps()"
        ran = browser.wait_for("%s > 30" % framed_steps, 3)
        browser.evaluate("scrollTo(0, 30000)")
        time.sleep(0.5)
        start = browser.evaluate(framed_steps)
        time.sleep(1)
        off = browser.evaluate(framed_steps) - start
        browser.evaluate("scrollTo(0, 0)")
        check("with no frame callback a frame in view runs, scrolled far off it does no work (%d steps in 1 s),"
              " and back in view it runs on" % off,
              ran and off == 0 and browser.wait_for("%s > %d" % (framed_steps, start + 30), 3))
        browser.remove_script(script)
    finally:
        server.shutdown()


# How a drag ends, and where it drops, in the cradle, where nothing else comes or goes for a
# while after it starts: the page's count of entries shows each drop at once. A release the page never hears
# (Alt-Tab during the drag, released elsewhere) leaves the pointer hovering: no drops; losing


class Uncached(Quiet):
    """Lets the browser's HTTP cache keep nothing: with the server gone, only the worker answers.
    `fault` serves index.html as a misbehaving host may: cut short (an upload in progress),
    redirected to the folder's address, or as text."""

    fault = None

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def do_GET(self):
        if self.fault is None or not self.path.startswith("/cascadium/index.html"):
            return super().do_GET()
        if self.fault == "redirect":
            self.send_response(302)
            self.send_header("Location", "./")
            self.end_headers()
            return
        body = pathlib.Path(self.directory, "cascadium", "index.html").read_bytes()
        body = body[:len(body) // 2] if self.fault == "cut" else body
        self.send_response(200)
        self.send_header("Content-Type", "text/plain" if self.fault == "text" else "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


# Asks for the worker (once one is active, for its update) and waits, 10 s at most, until the one
# installing is in use or given up: its state.
SETTLED = """navigator.serviceWorker.register('service-worker.js').then(r => r.active ? r.update().then(() => r) : r)
.then(r => new Promise(done => {
  const w = r.installing || r.active;
  const settled = () => ['activated', 'redundant'].includes(w.state) && done(w.state);
  w.addEventListener('statechange', settled);
  settled();
  setTimeout(() => done('still ' + w.state), 10000);
}))"""
# The versions of the origin's caches: "other", or the release and its variant ("next" and so on).
CACHES = "caches.keys().then(names => names.map(name => name.split(' ').pop().split('-')[0]).sort().join())"
# How many files the page's caches hold.
HELD = """caches.keys().then(names => Promise.all(names.filter(name => name.startsWith('cascadium '))
  .map(name => caches.open(name).then(cache => cache.keys())))).then(lists => lists.flat().length)"""


def installed_page(browser):
    """Served from a folder of a static server, the page can be installed and its worker keeps
    only the build's own files: a host that cuts the page short, redirects it or sends it as
    text leaves the page it had, and a mended one mends it. The next build's worker replaces the
    cache, a cache deleted by hand is filled again, and with the server gone the folder's
    address and ?world= open again."""
    copy = pathlib.Path(work_dir, "served", "cascadium")
    shutil.rmtree(copy.parent, ignore_errors=True)
    shutil.copytree(page_dir, copy)
    host = type("Host", (Uncached,), {})  # a class of its own: its fault reaches no other server
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(host, directory=copy.parent))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/cascadium/" % server.server_address[1]
    runs = "Module._cascadium_steps() > 30"
    worker = copy / "service-worker.js"
    built = worker.read_text()
    release = built.split("const version = '")[1].split("-")[0]
    try:
        host.fault = "cut"
        browser.open(url, ready="document.readyState === 'complete'")
        state = browser.evaluate(SETTLED)
        browser.errors()  # the half page's own, as expected
        host.fault = None
        check("a first visit cut short keeps nothing (worker %s), and the mended page runs" % state,
              state == "redundant" and browser.open(url) and browser.wait_for(runs, 10))
        state = browser.wait_for("navigator.serviceWorker.controller !== null", 10) and browser.evaluate(
            "navigator.serviceWorker.ready.then(r => r.active.state)")
        check("its service worker is active and controls it (%s)" % state, state == "activated")
        errors = browser.send("Page.getInstallabilityErrors")["installabilityErrors"]
        check("it can be installed (installability errors: %s)" % errors, not errors)
        insecure = url.replace("127.0.0.1", "insecure.test")
        check("over plain http, no secure origin, it runs without a worker (%s)" % insecure,
              browser.open(insecure) and browser.wait_for(runs, 10)
              and browser.evaluate("!('serviceWorker' in navigator)"))
        browser.open(url)

        for fault in ("cut", "redirect", "text"):
            host.fault = fault
            worker.write_text(built.replace("const version = '", "const version = '%s-" % fault))
            state = browser.evaluate(SETTLED)
            kept = browser.evaluate(CACHES)
            check("an update whose page comes %s keeps the cache it had (worker %s, caches %s) and the page opens"
                  % ({"cut": "cut short", "redirect": "redirected to ./"}.get(fault, "as text"), state, kept),
                  state == "redundant" and kept == release and browser.open(url) and browser.wait_for(runs, 10))
        host.fault = None

        worker.write_text(built.replace("const version = '", "const version = 'next-"))
        browser.evaluate("caches.open('other')")
        state = browser.evaluate(SETTLED)
        check("from the mended host the next build's worker replaces its cache and leaves the origin's others (%s)"
              % browser.evaluate(CACHES), state == "activated" and browser.evaluate(CACHES) == "next,other")
        files = sum(1 for file in copy.iterdir() if file != worker)
        browser.evaluate("caches.keys().then(names => Promise.all(names.map(name => caches.delete(name))))")
        refilled = browser.open(url) and browser.wait_for("%s.then(n => n === %d)" % (HELD, files), 5)
        check("a cache deleted by hand is filled again on the next open (%d of %d files)"
              % (browser.evaluate(HELD), files), refilled)
    finally:
        server.shutdown()
        server.server_close()
    opened = browser.open(url) and browser.wait_for(runs, 10)
    time.sleep(1)
    navy = count(browser, 0, 0, 800, 480)["navy"] if opened else 0
    check("with the server gone it opens again and shows the shelves (%d navy pixels)" % navy,
          opened and navy >= 5000)
    check("?world=pachinko opens too, from the same cached page",
          browser.open(url + "index.html?world=pachinko") and browser.wait_for("Module._cascadium_world() === 2", 5))

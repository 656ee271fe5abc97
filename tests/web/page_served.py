"""The page's parts served over http: from a static server, in a frame on another page, and
installed from a folder with its service worker, offline."""

import functools
import http.server
import pathlib
import shutil
import threading
import time

from pagekit import check, count, page_dir, work_dir


# Its own empty icon, as the page has: a browser asks a page without one for /favicon.ico.
FRAMED = b"""<!doctype html><title>Framing page</title><link rel="icon" href="data:,">
<iframe src="/index.html" style="width: 600px; height: 400px; border: 0"></iframe>"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path != "/framed.html":
            return super().do_GET()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write(FRAMED)


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
    finally:
        server.shutdown()


# How a drag ends, and where it drops, in the cradle, where nothing else comes or goes for a
# while after it starts: the page's count of entries shows each drop at once. A release the page never hears
# (Alt-Tab during the drag, released elsewhere) leaves the pointer hovering: no drops; losing


class Uncached(Quiet):
    """Lets the browser's HTTP cache keep nothing: with the server gone, only the worker answers."""

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


def installed_page(browser):
    """Served from a folder of a static server, the page can be installed and its worker keeps it;
    the next build's worker replaces the cache, and with the server gone the folder's address and
    ?world= open again."""
    copy = pathlib.Path(work_dir, "served", "cascadium")
    shutil.rmtree(copy.parent, ignore_errors=True)
    shutil.copytree(page_dir, copy)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Uncached, directory=copy.parent))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/cascadium/" % server.server_address[1]
    runs = "Module._cascadium_steps() > 30"
    try:
        check("served from %s it runs" % url, browser.open(url) and browser.wait_for(runs, 10))
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

        worker = copy / "service-worker.js"
        worker.write_text(worker.read_text().replace("const version = '", "const version = 'next-"))
        browser.evaluate("caches.open('other').then(() => navigator.serviceWorker.ready).then(r => r.update())")
        caches = "caches.keys().then(names => names.map(name => name.split(' ').pop().split('-')[0]).sort().join())"
        browser.wait_for("%s.then(names => names === 'next,other')" % caches, 10)
        check("the next build's worker replaces its cache and leaves the origin's others (%s)" % browser.evaluate(caches),
              browser.evaluate(caches) == "next,other")
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

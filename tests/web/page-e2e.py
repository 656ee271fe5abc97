#!/usr/bin/python3
"""End to end: the page in headless chromium, driven over the DevTools protocol. Opened from a
file:// address it shows the navy shelves; a drag drops objects; a resize redraws at the new
size in device pixels; 2 shows the cradle; a change of density alone is followed; a viewport
larger than the screen or of 2^32 pixels keeps a bounded picture, and the page recovers; a
page hidden for 30 s does no work and then runs on with a bounded catch-up; ?world=pachinko
shows the pin field; the world control fades when unused and switches worlds; a right-button
drag, a second finger, Ctrl+2 and Alt+3 change nothing; ?saver ignores a drag, a touch drag
and keys; without WebAssembly the page says so; a static server serves it, and in a frame a
press on the canvas gives it the keys; served from a folder it is installable and its worker
keeps it for offline use. The picture changes on every frame callback (with
?rate=tick once a tick), and with the frame callback stubbed out the page still moves. No part throws or logs an error.
Usage: page-e2e.py PAGE_DIR WORK_DIR"""

import functools
import http.server
import pathlib
import shutil
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from devtools import Browser  # noqa: E402

page_dir, work_dir = sys.argv[1], sys.argv[2]
page_url = pathlib.Path(page_dir, "index.html").resolve().as_uri()
failures = 0


def check(what, ok):
    global failures
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    failures += 0 if ok else 1


# Counts of the canvas's pixels in an area (device pixels): navy scenery, the cradle's grey
# balls, black, and grey objects (equal red, green and blue from 0x40 to 0xF0).
COUNT = """((x, y, w, h) => {
  const c = document.getElementById('canvas');
  const d = c.getContext('2d').getImageData(x, y, w, h).data;
  const n = {navy: 0, ball: 0, black: 0, grey: 0};
  for (let i = 0; i < d.length; i += 4) {
    const r = d[i], g = d[i + 1], b = d[i + 2];
    if (r === 0 && g === 0 && b === 128) n.navy++;
    if (r === 0 && g === 0 && b === 0) n.black++;
    if (r === 128 && g === 128 && b === 128) n.ball++;
    if (r === g && g === b && r >= 64 && r <= 240) n.grey++;
  }
  return n;
})"""


WASM_MEMORY = "Object.values(Module.asm).find(v => v instanceof WebAssembly.Memory).buffer.byteLength"


def count(browser, x, y, w, h):
    return browser.evaluate("%s(%d, %d, %d, %d)" % (COUNT, x, y, w, h))


def canvas_size(browser):
    return browser.evaluate("[document.getElementById('canvas').width, document.getElementById('canvas').height]")


def steps(browser):
    return browser.evaluate("Module._cascadium_steps()")


def control(browser):
    """The world's name on the control, and the control's display; the name is the title too."""
    text, display, title = browser.evaluate("[document.getElementById('world').textContent,"
                                            " getComputedStyle(document.getElementById('world')).display,"
                                            " document.title]")
    return [text if text == title else "%s (titled %s)" % (text, title), display]


def drag(browser, y, xs, button="left"):
    browser.mouse("mousePressed", xs[0], y, button)
    for x in xs[1:]:
        browser.mouse("mouseMoved", x, y, button)
    browser.mouse("mouseReleased", xs[-1], y, button)


def touch_drag(browser, y, xs, held=()):
    """A finger drawn along y; `held` the fingers already down, (x, y, id) each."""
    for x in xs:
        browser.touch("touchStart" if x == xs[0] else "touchMove", [*held, (x, y, 9)])
    browser.touch("touchEnd", [])


# Below the left shelf, which shields it from what falls: empty until the drag, which drops
# twelve objects 20 pixels apart along y = 240 of an 800x480 picture. They start to fall at
# once, so the check asks for more than the press's one object rather than all twelve. `scale`
# is the picture's size over 800x480, `density` its device pixels per CSS pixel; `gesture` draws
# the line, drag's way.
def grey_after_drag(browser, scale=1.0, density=1.0, gesture=drag):
    band = [round(v * scale) for v in (60, 200, 240, 130)]
    before = count(browser, *band)["grey"]
    gesture(browser, 240 * scale / density, [x * scale / density for x in range(70, 300, 20)])
    after = before
    for _ in range(20):
        time.sleep(0.1)
        after = count(browser, *band)["grey"]
        if after >= before + 600:
            break
    return before, after


# Counts, from before the page's own script, the frame callbacks, those that put pixels on the
# canvas, and every put. With "stall" in the address the frame callback never comes, as in
# hosts that throttle it (the page itself ignores names it does not know).
FRAME_COUNTER = """(() => {
  const counts = window.cascadiumCounts = {callbacks: 0, drawn: 0, puts: 0};
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function(...args) {
    counts.puts++;
    return put.apply(this, args);
  };
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = location.search.includes('stall') ? () => 0 : callback => request(time => {
    const before = counts.puts;
    callback(time);
    counts.callbacks++;
    if (counts.puts > before) counts.drawn++;
  });
})();"""


def counts_over(browser, seconds):
    before = browser.evaluate("({...window.cascadiumCounts})")
    time.sleep(seconds)
    after = browser.evaluate("({...window.cascadiumCounts})")
    return {k: after[k] - before[k] for k in after}


def frame_rate(browser):
    script = browser.add_script(FRAME_COUNTER)
    for query, what, fits in (
            ("", "the picture changes on every frame callback",
             lambda n: n["callbacks"] >= 60 and n["drawn"] >= 0.9 * n["callbacks"]),
            ("?rate=tick", "with ?rate=tick it changes once a tick, 20 times a second",
             lambda n: 30 <= n["drawn"] <= 42 and n["drawn"] <= 0.8 * n["callbacks"])):
        browser.open(page_url + query)
        time.sleep(1)
        n = counts_over(browser, 2)
        check("%s (%d of %d frame callbacks in 2 s drew)" % (what, n["drawn"], n["callbacks"]), fits(n))
    browser.open(page_url + "?stall")
    start = steps(browser)
    n = counts_over(browser, 2)
    check("with no frame callback the page still moves (%d puts, %d steps in 2 s)" % (n["puts"], steps(browser) - start),
          n["callbacks"] == 0 and n["puts"] >= 20 and steps(browser) - start >= 60)
    browser.remove_script(script)


def default_page(browser):
    check("the page opens from a file:// address and runs", browser.open(page_url)
          and browser.wait_for("Module._cascadium_steps() > 30", 10))
    check("the canvas fills the 800x480 viewport (%s)" % canvas_size(browser), canvas_size(browser) == [800, 480])
    time.sleep(1)
    n = count(browser, 0, 0, 800, 480)
    check("the navy shelves show (%d navy pixels) on black (%d)" % (n["navy"], n["black"]),
          n["navy"] >= 5000 and n["black"] >= 800 * 480 // 2)
    check("the control names the world (%s)" % control(browser), control(browser) == ["Cascadium", "block"])

    # 500x300 CSS pixels at twice the density: a 1000x600 picture, whose right shelf reaches
    # past x = 800.
    browser.set_viewport(500, 300, 2.0)
    browser.wait_for("document.getElementById('canvas').width === 1000", 5)
    time.sleep(0.3)
    n = count(browser, 800, 0, 200, 600)
    check("a resize to 500x300 at density 2 redraws at 1000x600 (canvas %s, %d navy right of x = 800)"
          % (canvas_size(browser), n["navy"]), canvas_size(browser) == [1000, 600] and n["navy"] >= 1000)
    # A fresh world: by now it may hold its 100 entries already, and refuse every drop.
    browser.key("1")
    time.sleep(0.2)
    before, after = grey_after_drag(browser, 1.25, 2.0)
    check("a drag drops objects under the pointer, in device pixels (grey pixels %d, then %d)" % (before, after),
          after >= before + 600)

    browser.key("2")
    time.sleep(1)
    n = count(browser, 0, 0, 1000, 600)
    check("2 shows the cradle (%s; %d grey balls, %d navy)" % (control(browser)[0], n["ball"], n["navy"]),
          browser.evaluate("Module._cascadium_world()") == 1 and control(browser)[0] == "Newton's Cradle"
          and n["ball"] >= 2000 and n["navy"] <= 100)


def viewport_page(browser):
    # The density alone changes, as when the window moves to a screen of another scale: the
    # browser reports no resize.
    browser.set_viewport(500, 300, 1.5)
    browser.wait_for("document.getElementById('canvas').width === 750", 5)
    check("a change of density alone redraws at 750x450 (canvas %s)" % canvas_size(browser),
          canvas_size(browser) == [750, 450])

    browser.set_viewport(1600, 1200)
    browser.wait_for("document.getElementById('canvas').width !== 750", 5)
    check("a viewport of 1600x1200 on the 800x600 screen keeps a picture of the screen's size (canvas %s)"
          % canvas_size(browser), canvas_size(browser) == [800, 600])

    # 2^32 pixels and more, on a screen as large: the picture stays within every browser's
    # canvas, and its memory bounded.
    browser.set_viewport(65536, 65537, 1.0, (65536, 65537))
    browser.wait_for("document.getElementById('canvas').width !== 800", 5)
    time.sleep(1)
    width, height = canvas_size(browser)
    memory = browser.evaluate(WASM_MEMORY) // 2**20
    check("a viewport of 65536x65537 keeps the picture within the canvas limits (canvas %dx%d, %d MB of wasm memory)"
          % (width, height, memory), 0 < width <= 16384 and 0 < height <= 16384 and width * height <= 2**25
          and memory <= 256)

    browser.set_viewport(800, 480)
    browser.wait_for("document.getElementById('canvas').width === 800", 5)
    start = steps(browser)
    time.sleep(1)
    n = count(browser, 0, 0, 800, 480)
    check("back at 800x480 it runs and draws the cradle whole (canvas %s, %d steps in 1 s, %d grey balls)"
          % (canvas_size(browser), steps(browser) - start, n["ball"]),
          canvas_size(browser) == [800, 480] and steps(browser) > start and n["ball"] >= 2000)


def hidden_page(browser):
    browser.hide()
    check("another tab in front hides the page", browser.wait_for("document.visibilityState === 'hidden'", 5))
    time.sleep(0.5)
    start = steps(browser)
    time.sleep(30)
    hidden = steps(browser) - start
    check("hidden for 30 s the page does no work (%d steps)" % hidden, hidden == 0)
    browser.show()
    check("shown again", browser.wait_for("document.visibilityState === 'visible'", 5))
    time.sleep(1)
    after = steps(browser) - start
    # At most 2 s of missed time is made up (125 steps of 16 ms), then about 62 steps a second:
    # far from the 1900 steps that 30 s would take.
    check("shown again it runs on with a bounded catch-up (%d steps within about a second)" % after, 0 < after <= 400)


def pachinko_page(browser):
    browser.set_viewport(800, 480)
    check("?world=pachinko opens", browser.open(page_url + "?world=pachinko"))
    time.sleep(1)
    # Pins stand where the Cascadium world has no scenery: up to the right.
    n = count(browser, 450, 30, 350, 220)
    check("?world=pachinko shows the pin field (%s; %d navy pixels up to the right)" % (control(browser)[0], n["navy"]),
          browser.evaluate("Module._cascadium_world()") == 2 and control(browser)[0] == "Pachinko Machine"
          and n["navy"] >= 300)

    idle = "document.getElementById('world').classList.contains('idle')"
    check("the world control fades when unused", browser.wait_for(idle, 6))
    browser.mouse("mouseMoved", 400, 300)
    check("a move of the pointer shows it again", browser.wait_for("!" + idle, 2))
    box = browser.evaluate("(r => [r.x + r.width / 2, r.y + r.height / 2])"
                           "(document.getElementById('world').getBoundingClientRect())")
    browser.mouse("mousePressed", *box)
    browser.mouse("mouseReleased", *box)
    check("a click on it shows the next world, round to the first (%s)" % control(browser)[0],
          browser.wait_for("Module._cascadium_world() === 0", 2) and control(browser)[0] == "Cascadium")


def input_guards(browser):
    check("the page opens again", browser.open(page_url))
    time.sleep(1)
    before, after = grey_after_drag(browser, gesture=functools.partial(drag, button="right"))
    check("a right-button drag drops nothing (grey pixels %d, then %d)" % (before, after), after <= before + 50)
    browser.key("2", modifiers=2)
    browser.key("3", modifiers=1)
    time.sleep(0.3)
    check("Ctrl+2 and Alt+3 leave the world alone (%s)" % control(browser)[0],
          browser.evaluate("Module._cascadium_world()") == 0)
    # The first finger rests up to the right, where what it drops falls far from the band.
    first = (740, 40, 1)
    browser.touch("touchStart", [first])
    before, after = grey_after_drag(browser, gesture=functools.partial(touch_drag, held=[first]))
    check("a second finger while the first is down drops nothing (grey pixels %d, then %d)" % (before, after),
          after <= before + 50)


def saver_page(browser):
    check("?saver opens", browser.open(page_url + "?saver"))
    time.sleep(1)
    before, after = grey_after_drag(browser)
    browser.key("2")
    time.sleep(0.3)
    check("?saver ignores a drag (grey pixels %d, then %d) and keys, and shows no control (%s)"
          % (before, after, control(browser)[1]),
          after < before + 600 and browser.evaluate("Module._cascadium_world()") == 0
          and control(browser)[1] == "none" and browser.evaluate("getComputedStyle(document.body).cursor") == "none")


def saver_touch(browser):
    before, after = grey_after_drag(browser, gesture=touch_drag)
    check("?saver ignores a touch drag (grey pixels %d, then %d)" % (before, after), after <= before + 50)


def no_wasm_page(browser):
    hide = browser.send("Page.addScriptToEvaluateOnNewDocument", source="delete window.WebAssembly")["identifier"]
    try:
        browser.open(page_url, ready="document.readyState === 'complete'")
        said, display = browser.evaluate(
            "[(e => e && getComputedStyle(e).display !== 'none' ? e.textContent : '')"
            "(document.getElementById('unsupported')), getComputedStyle(document.getElementById('world')).display]")
    finally:
        browser.send("Page.removeScriptToEvaluateOnNewDocument", identifier=hide)
    check("without WebAssembly the page says so (%r) and shows no control (%s)" % (said, display),
          "needs WebAssembly" in said and display == "none")
    browser.errors()  # the program's own stop, as expected


FRAMED = b"""<!doctype html><title>Framing page</title>
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
# the window's focus ends the drag; moves beyond the viewport drop nothing, those back inside do.
def drag_endings(browser):
    browser.set_viewport(800, 480)
    check("?world=cradle opens", browser.open(page_url + "?world=cradle"))

    def drops(*events):
        browser.key("2")  # the cradle afresh: no drop of the last call can go while this one counts
        before = browser.evaluate("Module._cascadium_entries()")
        for kind, x, y, buttons in events:
            if kind == "blur":
                browser.evaluate("window.dispatchEvent(new FocusEvent('blur'))")
            else:
                browser.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, buttons=buttons, clickCount=1,
                             button="left" if buttons or kind != "mouseMoved" else "none")
        return browser.evaluate("Module._cascadium_entries()") - before

    press, release = ("mousePressed", 70, 240, 1), ("mouseReleased", 90, 240, 0)
    held = [("mouseMoved", x, 240, 1) for x in (90, 110)]
    hovers = [("mouseMoved", x, 240, 0) for x in (130, 150, 170)]
    n = drops(press, *held, *hovers)
    check("a drag whose release is never heard drops nothing once the pointer hovers (%d drops of 3)" % n, n == 3)
    n = drops(release, press, ("blur", 0, 0, 0), *held, release)
    check("losing the focus ends a drag (%d drops of 1)" % n, n == 1)
    outside = [("mouseMoved", x, y, 1) for x, y in ((-20, 240), (820, 240), (400, -20), (400, 500))]
    n = drops(press, *outside, held[0], release)
    check("moves beyond the viewport drop nothing, back inside they do (%d drops of 2)" % n, n == 2)


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


browser = Browser(work_dir)
try:
    for part in (default_page, viewport_page, hidden_page, pachinko_page, input_guards, saver_page, saver_touch,
                 no_wasm_page, served_page, drag_endings, frame_rate,
                 installed_page):
        part(browser)
        errors = browser.errors()
        check("%s: the page threw and logged no error %s" % (part.__name__, errors or ""), not errors)
finally:
    browser.close()
sys.exit(1 if failures else 0)

"""What the page's end-to-end run shares among its parts: the page's address and the work
folder from the command line, the verdicts, and the canvas's pixels counted in the page."""

import pathlib
import sys
import time

page_dir, work_dir = sys.argv[1], sys.argv[2]
page_url = pathlib.Path(page_dir, "index.html").resolve().as_uri()
failures = 0


def check(what, ok):
    global failures
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    failures += 0 if ok else 1


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
  // Asked at each call: a frame's first page keeps the window of the blank one before it.
  window.requestAnimationFrame = callback => location.search.includes('stall') ? 0 : request(time => {
    const before = counts.puts;
    callback(time);
    counts.callbacks++;
    if (counts.puts > before) counts.drawn++;
  });
})();"""


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


WASM_BUFFER = "Object.values(Module.asm).find(v => v instanceof WebAssembly.Memory).buffer"
WASM_MEMORY = WASM_BUFFER + ".byteLength"


# The rows where the canvas is not the picture the page drew: every picture's changed areas go
# onto the canvas whole, so between frames the two are the same.
STALE_ROWS = """(() => {
  const c = document.getElementById('canvas');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  const picture = new Uint32Array(%s, Module._cascadium_picture(), c.width * c.height);
  const rows = [];
  for (let y = 0; y < c.height; y++) {
    for (let x = y * c.width; x < (y + 1) * c.width; x++) {
      if (d[4 * x] !== (picture[x] >> 16 & 255) || d[4 * x + 1] !== (picture[x] >> 8 & 255)
          || d[4 * x + 2] !== (picture[x] & 255)) {
        rows.push(y);
        break;
      }
    }
  }
  return rows;
})()""" % WASM_BUFFER


def stale_rows(browser):
    return browser.evaluate(STALE_ROWS)


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

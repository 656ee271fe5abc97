#!/usr/bin/python3
"""CPU of the whole browser (every chromium process, from /proc) showing the page at 1920x1080
with the Cascadium world, a picture on every frame callback, beside the floor page (a frame
callback copying one small area to a canvas of the same size each time), in one run: each in a
fresh headless chromium, SECONDS (20 by default) after a warm-up, as a percentage of one core.
The page's frame callbacks a second are printed beside it.
Usage: bench/web-cpu.py PAGE_DIR WORK_DIR [SECONDS]"""

import os
import pathlib
import sys
import time

root = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(root / "tests" / "web"))
from devtools import Browser  # noqa: E402

page_dir, work_dir = sys.argv[1], sys.argv[2]
seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 20.0
warmup = 10.0  # the Cascadium world reaches its population within seconds
hz = os.sysconf("SC_CLK_TCK")


def tree_ticks(top):
    """User plus system CPU ticks of `top` and every process below it, by process id."""
    parents, ticks = {}, {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        parents[int(entry)] = int(fields[1])
        ticks[int(entry)] = int(fields[11]) + int(fields[12])
    inside, grown = {top}, True
    while grown:
        grown = False
        for pid, parent in parents.items():
            if parent in inside and pid not in inside:
                inside.add(pid)
                grown = True
    return {pid: ticks[pid] for pid in inside if pid in ticks}


# Counts the frame callbacks a page's own script asks for.
FRAME_COUNTER = """window.frameCallbacks = 0;
const request = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = callback => request(time => { window.frameCallbacks++; callback(time); });"""


def measure(url):
    browser = Browser(work_dir, 1920, 1080)
    try:
        browser.add_script(FRAME_COUNTER)
        if not browser.open(url, "document.readyState === 'complete'"):
            raise RuntimeError("%s did not load" % url)
        time.sleep(warmup)
        before, frames = tree_ticks(browser.process.pid), browser.evaluate("window.frameCallbacks")
        time.sleep(seconds)
        after, frames = tree_ticks(browser.process.pid), browser.evaluate("window.frameCallbacks") - frames
        # A process that started in the span counts whole; one that ended is lost (none should).
        used = sum(t - before.get(pid, 0) for pid, t in after.items())
        return 100.0 * used / hz / seconds, len(after), frames / seconds
    finally:
        browser.close()


page = pathlib.Path(page_dir, "index.html").resolve().as_uri()
floor = (root / "bench" / "web-floor.html").as_uri()
print("%-46s %9s  %9s  %s" % ("1920x1080, %g s each, %% of one core" % seconds, "browser", "frames/s", "processes"))
results = {}
for name, url in (("the page (Cascadium world)", page), ("the floor page (one small area a frame)", floor)):
    results[name], count, rate = measure(url)
    print("%-46s %7.2f %%  %9.1f  %d" % (name, results[name], rate, count), flush=True)
page_cpu, floor_cpu = results.values()
print("%-46s %7.2f x" % ("page / floor", page_cpu / floor_cpu if floor_cpu else float("inf")))

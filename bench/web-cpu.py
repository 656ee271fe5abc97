#!/usr/bin/python3
"""CPU of the whole browser (every chromium process, from /proc) showing the page at 1920x1080
with the Cascadium world, beside the floor page (a 20-frames-a-second frame callback copying
one small area to a canvas of the same size), in one run: each in a fresh headless chromium,
SECONDS (20 by default) after a warm-up, as a percentage of one core.
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


def measure(url):
    browser = Browser(work_dir, 1920, 1080)
    try:
        # A screen as large as the view: the page keeps no larger a picture than the screen's.
        browser.set_viewport(1920, 1080, screen=(1920, 1080))
        if not browser.open(url, "document.readyState === 'complete'"):
            raise RuntimeError("%s did not load" % url)
        time.sleep(warmup)
        before = tree_ticks(browser.process.pid)
        time.sleep(seconds)
        after = tree_ticks(browser.process.pid)
        # A process that started in the span counts whole; one that ended is lost (none should).
        used = sum(t - before.get(pid, 0) for pid, t in after.items())
        return 100.0 * used / hz / seconds, len(after)
    finally:
        browser.close()


page = pathlib.Path(page_dir, "index.html").resolve().as_uri()
floor = (root / "bench" / "web-floor.html").as_uri()
print("%-46s %9s  %s" % ("1920x1080, %g s each, %% of one core" % seconds, "browser", "processes"))
results = {}
for name, url in (("the page (Cascadium world)", page), ("the floor page (one small area at 20 fps)", floor)):
    results[name], count = measure(url)
    print("%-46s %7.2f %%  %d" % (name, results[name], count), flush=True)
page_cpu, floor_cpu = results.values()
print("%-46s %7.2f x" % ("page / floor", page_cpu / floor_cpu if floor_cpu else float("inf")))

#!/usr/bin/env bash
# scripts/wine-test never drives the caller's display: with DISPLAY naming a live X server, a
# command run through it that moves the pointer leaves that server's pointer where it was.
# Usage: private-display.sh WINE-TEST PROGRAM
set -uo pipefail
wine_test=$1 program=$2

for n in $(seq 60 89); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
# -noreset: the pointer would jump back to the centre whenever the last client leaves.
Xvfb ":$n" -noreset -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

DISPLAY=":$n" xdotool mousemove 123 456 || { echo "FAIL: no stand-in for the caller's display"; exit 1; }
DISPLAY=":$n" "$wine_test" --for "$program" xdotool mousemove 5 5
status=$?
[ "$status" -ne 77 ] || exit 77  # this machine cannot run the program: a skip
[ "$status" -eq 0 ] || { echo "FAIL: the pointer move did not run through wine-test ($status)"; exit 1; }
where=$(DISPLAY=":$n" xdotool getmouselocation | cut -d' ' -f1-2)
[ "$where" = "x:123 y:456" ] || { echo "FAIL: the caller's pointer moved to $where"; exit 1; }
echo "ok: the caller's pointer stayed at $where"

#!/usr/bin/env bash
# End to end: cascadium drawing into another program's window, as xscreensaver runs its hacks.
# With --window-id and with --root plus XSCREENSAVER_WINDOW (white space around it allowed) the
# picture fills the host's window, follows it when the host makes it larger, and keys there are
# not ours; destroying the window ends the program with status 0; scrolled past the screen's
# left edge it shows what lies on the screen. Plain --root draws on the
# whole root window of a screen wider than tall; an XSCREENSAVER_WINDOW that is no window id
# gets one line saying so, and the root window. A window id that names no window, or an
# input-only one, is a bad command line: one line, status 2. No memory for the picture is one
# line and status 1.
source "$(dirname "${BASH_SOURCE[0]}")/x11-test-lib.bash"
: "${X11_TEST_HOST:?the test host program}"
start_xvfb 1920x1080

# shows_world: the host's window holds the Cascadium picture, not its own white.
shows_world() {
  shoot 640x400+0+0
  local navy white
  navy=$(count_of 000080)
  white=$(count_of FFFFFF)
  echo "    (navy $navy, white $white of 256000 pixels)"
  [ "$navy" -ge 5000 ] && [ "$white" -le 2000 ]
}

# grown_area_shows_world: the part of a 1000x600 host window beyond its first 640x400 shows
# the world's navy, not the host's white.
grown_area_shows_world() {
  shoot 360x600+640+0
  local right_navy=$(count_of 000080)
  shoot 640x200+0+400
  [ "$right_navy" -ge 1000 ] && [ "$(count_of FFFFFF)" -le 1000 ]
}

embedded_run() {  # embedded_run DESCRIPTION: the program is started into $host_window already
  sleep 1.5
  check "$1: the picture fills the host's window" shows_world
  xdotool windowsize --sync "$host_window" 1000 600
  check "$1: the picture fills the host's window grown to 1000x600" wait_for 5 grown_area_shows_world
  xdotool windowfocus --sync "$host_window" key q
  sleep 0.3
  check "$1: q in the host's window is not the program's" kill -0 "$program"
  check "$1: the host destroys its window" destroy_host
  wait_exit "$program" 5
  check "$1: the program ends with status 0 (status $status)" [ "$status" = 0 ]
}

open_host
check "the host made a window" [ -n "$host_window" ]
start_program -window-id "$((host_window))"
embedded_run "-window-id in decimal"

open_host
XSCREENSAVER_WINDOW=" $host_window " start_program --root
embedded_run "--root with XSCREENSAVER_WINDOW in spaces"

# The host's window made wider than the screen and scrolled left past its edge: the picture
# holds the part on the screen, not the window's first 1920 columns.
open_host 3000 1000
start_program --window-id "$host_window"
sleep 1
xdotool windowmove "$host_window" -1500 0
wait_for 5 eval 'shoot 980x1000+420+0 && at_least "$(count_of 000080)" 10000'
check "a host's window scrolled to x = -1500 shows the shelves right of x = 420 ($(count_of 000080) navy)" \
  at_least "$(count_of 000080)" 10000
destroy_host
wait_exit "$program" 5

: >"$work/program.log"
start_program --root --world pachinko
sleep 1.5
shoot 1920x1080+0+0
pins=$(count_of 000080)
crop 840x1080+1080+0  # black if the picture took the screen's height for its width
check "plain --root draws on the root window (navy $pins, $(count_of 000080) of it right of x = 1080)" \
  eval "at_least $pins 10000 && at_least $(count_of 000080) 5000"
kill -HUP "$program"
wait_exit "$program" 5
check "SIGHUP ends it with status 0 (status $status)" [ "$status" = 0 ]
check "plain --root says nothing" [ ! -s "$work/program.log" ]
for named in garbage 0x0 ""; do
  : >"$work/program.log"
  XSCREENSAVER_WINDOW=$named start_program --root
  wait_for 5 grep -q . "$work/program.log"
  kill "$program"
  check "XSCREENSAVER_WINDOW='$named' says so in one line ($(head -c 100 "$work/program.log"))" \
    [ "$(cat "$work/program.log")" = "cascadium: XSCREENSAVER_WINDOW '$named' is not a window id; drawing on the root window" ]
done

start_program --window-id 0x7fffff0
wait_exit "$program" 5
check "a window id that names no window ends it with status 2 and one line (status $status)" \
  eval "[ $status = 2 ] && [ \"\$(tail -n 1 '$work/program.log')\" = 'cascadium: the window to draw in does not exist' ]"
open_host 640 400 input-only
start_program --window-id "$host_window"
wait_exit "$program" 5
check "an input-only window ends it with status 2 and one line (status $status)" \
  eval "[ $status = 2 ] && [ \"\$(tail -n 1 '$work/program.log')\" = 'cascadium: the window to draw in is an input-only window, which nothing can be drawn in' ]"
destroy_host

# The sanitizers' shadow memory takes more address space than any limit leaves. ldd's output is
# read whole: under pipefail, grep -q leaving early can end ldd with SIGPIPE and run the step anyway.
if ! grep -q libasan <<<"$(ldd "$CASCADIUM")"; then
  start_xvfb 8192x8192
  (ulimit -v 250000; exec "$CASCADIUM" --root) >"$work/memory.log" 2>&1 &
  started+=($!)
  wait_exit $! 10
  check "with no memory for an 8192x8192 picture it ends with status 1 and one line (status $status: $(head -c 100 "$work/memory.log"))" \
    eval "[ $status = 1 ] && [ \"\$(cat '$work/memory.log')\" = 'cascadium: no memory for a picture of 8192x8192 pixels' ]"
fi

finish

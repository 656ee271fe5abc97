#!/usr/bin/env bash
# End to end: cascadium in a window of its own on a private Xvfb. --help to a standard output
# that cannot take it fails. The shelves show, in about 60 pictures a second (one a tick with
# --delay 50000), and show again where another window covered them; the picture follows the
# window's size (its width alone too), stays within the screen's size however large the window
# grows (32767 x 32767), gives its memory back when the window shrinks, and holds the part on
# the screen of a window whose top-left corner is off it, following it as it moves. In the cradle
# a left-button drag drops objects, a right-button one does not. SIGTERM, SIGINT, Escape and the
# window manager's close request end it with status 0, and no other message carrying the close
# request's atom does; a connection killed under it ends it with status 1. A stopped server gets
# no more than a picture's requests. The shelves show over TCP (no shared memory) and on 16-bit,
# 8-bit and DirectColor screens, on 8-bit DirectColor and in an 8-bit colour map left full.
source "$(dirname "${BASH_SOURCE[0]}")/x11-test-lib.bash"
: "${X11_TEST_HOST:?the test host program}"

"$CASCADIUM" --help >/dev/full 2>"$work/help.txt"
status=$?
check "--help to a full disk ends with status 1 and one line (status $status: $(head -c 80 "$work/help.txt"))" \
  eval "[ $status = 1 ] && [ $(wc -l <"$work/help.txt") = 1 ]"
"$CASCADIUM" --help >&- 2>/dev/null
status=$?
check "--help to a closed standard output ends with status 1 (status $status)" [ "$status" = 1 ]

start_xvfb 1920x1080
# resize WIDTH HEIGHT: waits until the window has that size, for at most 10 s (forever, when
# the program died and its window with it).
resize() { timeout 10 xdotool windowsize --sync "$window" "$1" "$2"; }
start_program
window=$(wait_window Cascadium 10)
check "a window titled Cascadium appears" [ -n "$window" ]
[ -n "$window" ] || finish
eval "$(xdotool getwindowgeometry --shell "$window")"
check "it is 800x480" [ "${WIDTH}x${HEIGHT}" = 800x480 ]
area="${WIDTH}x${HEIGHT}+${X}+${Y}"

sleep 1.5
shoot "$area"
navy=$(count_of 000080)
check "the navy shelves show ($navy pixels of 000080)" at_least "$navy" 5000
check "on black ($(count_of 000000) black pixels)" at_least "$(count_of 000000)" $((WIDTH * HEIGHT / 2))

shows_navy() { shoot "$1" && at_least "$(count_of 000080 8)" "$2"; }

# The pictures it shows in 2 s: about 60 a second by default, drawn between ticks (at least 30,
# well above one a tick, though a loaded machine may drop some).
pictures=$("$X11_TEST_HOST" pictures "$window" 2000)
check "by default it shows about 60 pictures a second ($pictures in 2 s)" eval "at_least ${pictures:-0} 60 && at_most ${pictures:-0} 130"

# Another program's window over ours, then gone: all of the uncovered part is drawn again, not
# only where the scene moved. Few objects have reached the shelves yet, so they show as before;
# drawn only where objects moved, they stay about a third short.
open_host
check "another window covers the shelves" wait_for 5 eval '! shows_navy "$area" $((navy / 4))'
destroy_host
wait_for 5 shows_navy "$area" $((navy * 9 / 10))
check "the shelves show again when it is gone ($(count_of 000080) navy pixels, $navy before)" \
  at_least "$(count_of 000080)" $((navy * 9 / 10))

# A larger window gets a larger picture: the right shelf reaches its new right edge, also when
# only the width changed.
resize 1000 480
wait_for 5 shows_navy "200x480+$((X + 800))+$Y" 1000
check "after a resize to 1000x480 the picture fills the window ($(count_of 000080) navy right of x = 800)" \
  at_least "$(count_of 000080)" 1000
right_strip="200x600+$((X + 800))+$Y"
resize 1000 600
wait_for 5 shows_navy "$right_strip" 1000
check "after a resize to 1000x600 the picture fills the window ($(count_of 000080) navy right of x = 800)" \
  at_least "$(count_of 000080)" 1000
area="1000x600+${X}+${Y}"

# Memory. The picture is at most the screen's size (1920x1080, 8.1 MB): a window maximised to
# 3840x2160 and back gives back what it took (keeping the larger picture would hold 5.8 MB
# more; the sanitizers' own bookkeeping adds up to about 2 MB), a window of 32767x32767 (a 4 GB
# picture of its own) costs no more than that picture and as much again, and it keeps drawing.
before=$(resident_kb "$program")
resize 3840 2160
wait_for 10 shows_navy "920x1080+$((X + 1000))+$Y" 1000  # the window now covers the screen
resize 1000 600
wait_for 10 shows_navy "$right_strip" 1000
after=$(resident_kb "$program")
check "after 3840x2160 and back its memory is within 4 MB of before ($before kB, then $after kB)" \
  at_most "$after" $((before + 4096))
resize 32767 32767
# Nothing of the world lies in the window's top-left corner at this scale: a click drops an
# object there, and it shows. The world starts again first (key 1): objects dropped while the
# scene already holds its 100 entries would not come.
timeout 5 xdotool windowfocus --sync "$window" key 1
screen_area="1920x1080+0+0"
drops_show() {  # or the program is gone: nothing to wait for
  kill -0 "$program" 2>/dev/null || return 0
  xdotool mousemove $((X + 400)) $((Y + 300)) click 1
  shoot "$screen_area" && at_least "$(count_grey)" 5000
}
wait_for 10 drops_show
check "at 32767x32767 it runs and draws ($(count_grey) grey pixels where it dropped objects)" \
  eval "kill -0 $program && at_least $(count_grey) 5000"
huge=$(resident_kb "$program")
check "at 32767x32767 its memory is within 16 MB of before ($before kB, then ${huge:-no} kB)" \
  at_most "${huge:-99999999}" $((before + 16384))
resize 1000 600
check "back at 1000x600 it draws the shelves again" wait_for 10 shows_navy "$right_strip" 1000
kill -0 "$program" 2>/dev/null || finish

# A window wider than the screen, its left part off the screen: the picture holds the part on
# the screen, not the window's first 1920 columns (the screen right of x = 420 would stay
# black), and follows the window as it moves (with the first 1920 columns held again the right
# of the screen would stay black).
resize 3000 1000
xdotool windowmove "$window" -1500 0
wait_for 5 shows_navy 980x1000+420+0 10000
check "a 3000x1000 window at x = -1500 shows its shelves right of x = 420 ($(count_of 000080) navy)" \
  at_least "$(count_of 000080)" 10000
xdotool windowmove "$window" -500 0
wait_for 5 shows_navy 500x1000+1420+0 10000
check "moved to x = -500 it shows them right of x = 1420 ($(count_of 000080) navy)" at_least "$(count_of 000080)" 10000
xdotool windowmove "$window" "$X" "$Y"
resize 1000 600

titled() { [ "$(xdotool getwindowname "$window")" = "$1" ]; }
xdotool windowfocus --sync "$window"
xdotool key 2
check "2 names the cradle in the title" wait_for 5 titled "Newton's Cradle"
cradle_shows() { shoot "$area" && at_least "$(count_of 808080)" 2000 && at_most "$(count_of 000080)" 100; }
wait_for 5 cradle_shows
check "the cradle shows: grey balls ($(count_of 808080) of 808080), no shelves ($(count_of 000080) navy)" cradle_shows

# Dropping objects. Nothing but the balls is grey in the cradle, and dropped objects stay in
# the window for seconds after they land: the checks do not depend on how soon a shot follows.
before=$(count_grey)
drag() {  # drag BUTTON: twelve objects 20 pixels apart along y = 240, left of the cradle
  local steps=(mousemove --sync $((X + 70)) $((Y + 240)) mousedown "$1")
  for x in 90 110 130 150 170 190 210 230 250 270 290; do steps+=(mousemove --sync $((X + x)) $((Y + 240))); done
  xdotool "${steps[@]}" mouseup "$1"
}
grey_above() { shoot "$area" && at_least "$(count_grey)" "$1"; }
# The balls' swing changes the count by up to about a hundred pixels; one dropped object adds 300.
right_clicks=()
for x in 70 110 150 190 230 270; do right_clicks+=(mousemove --sync $((X + x)) $((Y + 240)) click 3); done
xdotool "${right_clicks[@]}"
drag 3
wait_for 2 grey_above $((before + 200))
check "right-button clicks and a right-button drag drop nothing (grey pixels $before, then $(count_grey))" \
  at_most "$(count_grey)" $((before + 200))
drag 1
wait_for 10 grey_above $((before + 1500))
check "a left-button drag drops objects under the pointer (grey pixels $before, then $(count_grey))" \
  at_least "$(count_grey)" $((before + 1500))

xdotool key 3
check "3 names the pachinko machine in the title" wait_for 5 titled "Pachinko Machine"
# Keys held with a modifier are the desktop's: of the titles the window takes while they and a
# plain 2 after them are pressed, only the cradle's comes.
stdbuf -oL xprop -spy -id "$window" WM_NAME >"$work/titles.txt" &
started+=($!)
wait_for 5 grep -q Pachinko "$work/titles.txt"
xdotool key ctrl+1 alt+1 super+1 2
wait_for 5 grep -q Cradle "$work/titles.txt"
titles() { cut -d'"' -f2 "$work/titles.txt" | paste -sd, -; }
check "Ctrl+1, Alt+1 and Super+1 leave the world alone, a plain 2 does not ($(titles))" \
  [ "$(titles)" = "Pachinko Machine,Newton's Cradle" ]

kill -TERM "$program"
wait_exit "$program" 5
check "SIGTERM ends it with status 0 (status $status)" [ "$status" = 0 ]
kill -KILL "$program" 2>/dev/null  # so that no window of this run is taken for the next one's

start_program --world cradle
window=$(wait_window "Newton's Cradle" 10)
check "--world cradle starts with the cradle's title" [ -n "$window" ]
xdotool windowfocus --sync "$window" key Escape
wait_exit "$program" 5
check "Escape ends it with status 0 (status $status)" [ "$status" = 0 ]

start_program --delay 50000
window=$(wait_window Cascadium 10)
sleep 1
pictures=$("$X11_TEST_HOST" pictures "$window" 2000)
check "with --delay 50000 it shows one picture a tick ($pictures in 2 s)" eval "at_least ${pictures:-0} 20 && at_most ${pictures:-0} 46"
"$X11_TEST_HOST" message _NET_WM_PING "$window"
wait_exit "$program" 1
check "a _NET_WM_PING carrying WM_DELETE_WINDOW does not end it" [ "$status" = running ]
"$X11_TEST_HOST" message WM_PROTOCOLS "$window"
wait_exit "$program" 5
check "the window manager's close request ends it with status 0 (status $status)" [ "$status" = 0 ]

# A shared picture is drawn again only once the server has copied it: with the server stopped,
# the program waits, one picture's requests sent (had it only flushed them, it would go on
# drawing into memory the server has yet to read, and its requests would pile up unread).
start_program --delay 1000
window=$(wait_window Cascadium 10)
sleep 1
queued() { ss -x -p | awk -v server="pid=$xvfb_pid," 'index($0, server) { n += $3 } END { print n + 0 }'; }
kill -STOP "$xvfb_pid"
most=0
for _ in 1 2 3 4 5 6 7 8 9 10; do sleep 0.15; q=$(queued); [ "$q" -gt "$most" ] && most=$q; done
kill -CONT "$xvfb_pid"
check "with the server stopped it sends no more than a picture's requests ($most bytes unread)" at_most "$most" 4096
kill -INT "$program"
wait_exit "$program" 5
check "SIGINT ends it with status 0 (status $status)" [ "$status" = 0 ]
kill -KILL "$program" 2>/dev/null

start_program
window=$(wait_window Cascadium 10)
xdotool windowkill "$window"
wait_exit "$program" 5
check "a connection killed under it ends it with status 1 and one line (status $status)" \
  eval "[ $status = 1 ] && [ \"\$(tail -n 1 '$work/program.log')\" = 'cascadium: the connection to the X server is gone' ]"

# A server that cannot share this process's memory (one reached over TCP) gets the pixels sent;
# 16-bit, 8-bit (colour map) and DirectColor (a colour map per channel, -cc 5) visuals get them
# converted: the shelves show on each.
for server in "--tcp 1024x768" 1024x768x16 1024x768x8 "1024x768x24 -cc 5"; do
  start_xvfb $server
  start_program
  wait_window Cascadium 10 >/dev/null
  wait_for 5 shows_navy "800x480+$X+$Y" 5000
  check "on a server started with $server the navy shelves show ($(count_of 000080 8) pixels near 000080)" \
    at_least "$(count_of 000080 8)" 5000
  kill "$program"
done

# On 8-bit DirectColor the maps hold 8 reds, 8 greens and 4 blues: once the blues are taken, the
# grey objects get the nearest of each channel, red and green equal, not the nearest of the
# colours held (pink, C08080).
start_xvfb 1024x768x8 -cc 5
start_program
wait_window Cascadium 10 >/dev/null
even_red_green() {
  awk '{ gsub(":", "", $1); split($2, c, /[(),]/); if (c[2] == c[3] && c[2] > 96) n += $1 } END { print n + 0 }' \
    "$work/histogram.txt"
}
objects_show() { shoot "800x480+$X+$Y" && at_least "$(even_red_green)" 2000; }
wait_for 10 objects_show
check "on 8-bit DirectColor the shelves show ($(count_of 000080) navy) and the objects keep red and green equal ($(even_red_green) pixels)" \
  eval "at_least $(count_of 000080) 5000 && at_least $(even_red_green) 2000"
kill "$program"

# An 8-bit colour map another program took every free cell of (for a 3-3-2 palette): the shelves
# take the palette's nearest blue, 0000AA or 000055, not black, the nearest of the program's own.
start_xvfb 1024x768x8
coproc FILL { "$X11_TEST_HOST" fill-colours; }
started+=("$FILL_PID")
read -r -t 10 _ filled <&"${FILL[0]}"
start_program
wait_window Cascadium 10 >/dev/null
wait_for 5 shows_navy "800x480+$X+$Y" 5000
check "in a colour map left full ($filled cells taken) the shelves show in the nearest blue ($(count_of 000080 43) pixels)" \
  at_least "$(count_of 000080 43)" 5000

finish

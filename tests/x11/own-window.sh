#!/usr/bin/env bash
# End to end: cascadium in a window of its own on a private Xvfb. The shelves show, a drag
# with the left button drops objects, 2 shows the cradle, SIGTERM, Escape and the window
# manager's close request each end it with status 0.
source "$(dirname "${BASH_SOURCE[0]}")/x11-test-lib.bash"
start_xvfb 1280x1024

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

# Below the left shelf, which shields it from what falls: empty until the drag. The drag
# drops twelve objects of 16 pixels across, 20 pixels apart, along y = 240. They start to fall
# at once, so the check asks for more than the press's one object (about 250 pixels) rather
# than all twelve.
band="240x130+$((X + 60))+$((Y + 200))"
shoot "$band"
before=$(count_grey)
drag=(mousemove --sync $((X + 70)) $((Y + 240)) mousedown 1)
for x in 90 110 130 150 170 190 210 230 250 270 290; do drag+=(mousemove --sync $((X + x)) $((Y + 240))); done
xdotool "${drag[@]}" mouseup 1
# The next tick draws them; a slow build (the sanitizers) may take a while to get there.
after=0
for _ in $(seq 20); do
  sleep 0.1
  shoot "$band"
  after=$(count_grey)
  at_least "$after" $((before + 600)) && break
done
check "a drag drops objects under the pointer (grey pixels $before, then $after)" at_least "$after" $((before + 600))

# A larger window gets a larger picture: the right shelf reaches its new right edge.
xdotool windowsize --sync "$window" 1000 600
sleep 0.3
shoot "200x600+$((X + 800))+$Y"
navy=$(count_of 000080)
check "after a resize to 1000x600 the picture fills the window ($navy navy right of x = 800)" at_least "$navy" 1000
area="1000x600+${X}+${Y}"

xdotool windowfocus --sync "$window"
xdotool key 2
sleep 0.5
check "2 names the cradle in the title" [ "$(xdotool getwindowname "$window")" = "Newton's Cradle" ]
sleep 1
shoot "$area"
navy=$(count_of 000080)
balls=$(count_of 808080)
check "the cradle shows: grey balls ($balls of 808080), no shelves ($navy navy)" \
  eval "[ $balls -ge 2000 ] && [ $navy -le 100 ]"
xdotool key 3
sleep 0.3
check "3 names the pachinko machine in the title" [ "$(xdotool getwindowname "$window")" = "Pachinko Machine" ]

kill -TERM "$program"
wait_exit "$program" 5
check "SIGTERM ends it with status 0 (status $status)" [ "$status" = 0 ]

start_program --world cradle
window=$(wait_window "Newton's Cradle" 10)
check "--world cradle starts with the cradle's title" [ -n "$window" ]
xdotool windowfocus --sync "$window" key Escape
wait_exit "$program" 5
check "Escape ends it with status 0 (status $status)" [ "$status" = 0 ]

start_program
window=$(wait_window Cascadium 10)
"$X11_TEST_HOST" close "$window"
wait_exit "$program" 5
check "the window manager's close request ends it with status 0 (status $status)" [ "$status" = 0 ]

finish

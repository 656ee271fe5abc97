#!/usr/bin/env bash
# "/s" in any case, whatever follows, starts the full-screen saver, which ignores pointer moves of
# up to 4 pixels from where it first saw the pointer and ends on a move of 5 (twice as many
# pixels at 200 %).
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

screen=$(screen_geometry)

# Starts the saver, checks that it covers the screen, and leaves the pointer where it was when
# the window appeared, which is the first position the saver sees.
start_full_screen() {
  xdotool mousemove 600 500
  start_saver "$1"
  local window
  window=$(x_window Cascadium 20)
  check "a visible saver window" test -n "$window"
  [ -n "$window" ] || return 1
  check "it covers the whole screen ($screen)" test "$(x_geometry "$window")" = "$screen"
  sleep 1
}

# A move reaches the saver a second or two later on a busy machine, and a closed saver's process
# takes a while longer to end: its window tells.
alive() {
  sleep 3
  kill -0 "$started_pid" 2>/dev/null && ! probe absent CascadiumClass -
}
ended_with_zero() { await_exit 10; test "$exit_code" = 0; }

echo "argument text [/s]: 4 pixels keep it, 5 end it"
if start_full_screen "/s"; then
  xdotool mousemove_relative 4 4
  check "a 4-pixel move in x and y keeps it running" alive
  xdotool mousemove_relative -- -8 -8
  check "4 pixels the other way keep it running" alive
  xdotool mousemove_relative 3 -1
  check "a 5-pixel move in y ends it with 0" ended_with_zero
else
  await_exit 10
fi

for arguments in "/S" "/s 123" "/S:9" "/save"; do
  echo "argument text [$arguments]"
  if start_full_screen "$arguments"; then
    xdotool mousemove_relative 5 0
    check "a 5-pixel move in x ends it with 0" ended_with_zero
  else
    await_exit 10
  fi
done

# On a 200 % screen the window has the screen's real pixels and the jitter allowance is twice as
# many of them: the same small distance.
echo "argument text [/s] at 200 %: 8 pixels keep it, 9 end it"
at_dpi 192
if start_full_screen "/s"; then
  xdotool mousemove_relative 8 -8
  check "an 8-pixel move in x and y keeps it running" alive
  xdotool mousemove_relative 1 0
  check "a 9-pixel move in x ends it with 0" ended_with_zero
else
  await_exit 10
fi
at_dpi 96
finish

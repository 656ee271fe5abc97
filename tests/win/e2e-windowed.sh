#!/usr/bin/env bash
# End to end: the program in its plain window shows the Cascadium world (black
# background, navy shelves, grey objects) and File, Exit ends it with exit code 0. On a 200 % or
# 300 % screen the window opens at two or three times its size, as far as the work area allows,
# and at 200 % shows the pixels a whole repaint gives.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

scr="$CASCADIUM_BIN_DIR/Cascadium.scr"
work=$(mktemp -d)
pid=""

fail() {
  echo "e2e-windowed: FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
  exit 1
}

[ -f "$scr" ] || fail "no program at $scr"

# A stored world from an earlier run must not choose the world shown.
reg_clear

"$wine" "$scr" >"$work/program.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Cascadium$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.2
done
[ -n "$window" ] || fail "no window titled Cascadium appeared"

# Let objects spawn and fall onto the shelves.
sleep 4
eval "$(xdotool getwindowgeometry --shell "$window")"
size_at_96="${WIDTH}x${HEIGHT}"
xwd -root -silent >"$work/screen.xwd" || fail "no screenshot"
# The lower three quarters of the window, inset from its edges: client area only, no menu bar.
crop_w=$((WIDTH - 20))
crop_h=$((HEIGHT * 3 / 4 - 10))
crop_y=$((Y + HEIGHT / 4))
convert "xwd:$work/screen.xwd" -crop "${crop_w}x${crop_h}+$((X + 10))+${crop_y}" +repage "$work/client.png" ||
  fail "cannot crop the screenshot"
convert "$work/client.png" -format %c histogram:info:- >"$work/histogram.txt"

count_of() {  # pixels of an exact colour, given as RRGGBB
  awk -v c="#$1" 'toupper($0) ~ toupper(c) { gsub(":", "", $1); n += $1 } END { print n + 0 }' "$work/histogram.txt"
}
total=$((crop_w * crop_h))
black=$(count_of 000000)
navy=$(count_of 000080)
# Grey: any colour with equal red, green and blue between 0x40 and 0xF0 (object fills and lines).
grey=$(awk '{ gsub(":", "", $1); split($2, c, /[(),]/);
              if (c[2] == c[3] && c[3] == c[4] && c[2] >= 64 && c[2] <= 240) n += $1 } END { print n + 0 }' \
       "$work/histogram.txt")

[ "$black" -gt $((total / 2)) ] || fail "background not black ($black of $total pixels black)"
[ "$navy" -gt 500 ] || fail "no navy shelf ($navy pixels of 000080)"
[ "$grey" -gt 20 ] || fail "no grey objects ($grey grey pixels)"

# File, Exit through the keyboard: Alt+F opens the File menu, X chooses Exit.
press_until_ended "$window" "$pid" alt+f x

started_pid=$pid
await_exit 15
pid=""
[ "$exit_code" != timeout ] || fail "the program did not end after File, Exit"
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code"

# At 200 % and 300 % the window asks for 1600 x 960 and 2400 x 1440, more than the test screen
# (1280 x 1024): it opens within its monitor's work area, each side as long as the scale asks or
# as the area allows. The X window is the part inside Wine's frame and caption, which grow less
# than twofold.
for dpi in 192 288; do
  at_dpi $dpi
  "$wine" "$scr" >"$work/program.log" 2>&1 &
  pid=$!
  window=$(x_window Cascadium 20)
  [ -n "$window" ] || fail "no window titled Cascadium appeared at $dpi dpi"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$dpi" = 192 ] && size_at_192="${WIDTH}x${HEIGHT}"
  placed=$(probe place CascadiumClass -)
  probe close CascadiumClass - >/dev/null
  started_pid=$pid
  await_exit 15
  pid=""
  read -r left top right bottom area_left area_top area_right area_bottom _ <<<"$placed"
  width=$((800 * dpi / 96)) height=$((480 * dpi / 96))
  [ -n "${area_bottom:-}" ] && [ "$left" -ge "$area_left" ] && [ "$top" -ge "$area_top" ] &&
    [ $((right - left)) -eq $((width < area_right - area_left ? width : area_right - area_left)) ] &&
    [ $((bottom - top)) -eq $((height < area_bottom - area_top ? height : area_bottom - area_top)) ] &&
    [ "$right" -le "$area_right" ] && [ "$bottom" -le "$area_bottom" ] ||
    fail "at $dpi dpi the window is not the size asked or allowed within the work area (window, area: $placed)"
done
# Drawn only where it changed, the twice as large window still shows the whole repaint's pixels.
at_dpi 192
"$wine" "$CASCADIUM_BIN_DIR/tests/win/cascadium_win_tests.exe" --gtest_filter='EveryForm/PictureTest.*/0' \
  >"$work/picture.log" 2>&1 || fail "at 200 % the picture differs from a whole repaint: $(grep -m2 -A4 Failure "$work/picture.log")"
at_dpi 96
[ "${size_at_192#*x}" -ge $((2 * ${size_at_96#*x})) ] || fail "at 200 % the window is $size_at_192, at 100 % $size_at_96"

rm -rf "$work"
echo "e2e-windowed: ok (black $black, navy $navy, grey $grey of $total pixels; exit code 0;" \
  "$size_at_96 at 100 %, $size_at_192 at 200 %)"

#!/usr/bin/env bash
# The stored world chooses the world the plain window starts with: nothing stored or -1 gives
# Cascadium (two large navy shelves), 1 Newton's Cradle (grey balls, no navy scenery in view),
# 2 and 7 the Pachinko Machine (many small navy pins). Told apart from a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Starts the plain window and sets pieces, navy and grey from its picture: the navy pieces,
# the navy pixels and the pixels of the cradle balls' grey.
measure_picture() {
  local window
  pieces=0 navy=0 grey=0
  start_saver ""
  window=$(x_window Cascadium 20)
  if [ -z "$window" ]; then
    await_exit 5
    return
  fi
  sleep 2
  xwd -root -silent >"$work/screen.xwd"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Below the menu bar and inside the frame: the client area's lower part holds the view.
  convert "xwd:$work/screen.xwd" -crop "$((WIDTH - 20))x$((HEIGHT - 60))+$((X + 10))+$((Y + 50))" +repage \
    "$work/client.png"
  convert "$work/client.png" -fill white +opaque '#000080' -fill black -opaque '#000080' -negate "$work/navy.png"
  pieces=$(convert "$work/navy.png" -define connected-components:verbose=true -define connected-components:area-threshold=4 \
             -connected-components 8 null: 2>/dev/null | grep -c 'gray(255)\|white')
  navy=$(convert "$work/client.png" -fill white +opaque '#000080' -format '%[fx:int(w*h*(1-mean))]' info:)
  grey=$(convert "$work/client.png" -fill black +opaque '#808080' -format '%[fx:int(w*h*mean)]' info:)
  probe close CascadiumClass - >/dev/null
  await_exit 15
}

expect_world() { # expect_world <stored or "none"> <cascadium|cradle|pachinko>
  local stored=$1 world=$2
  if [ "$stored" = none ]; then reg_clear; else reg_store "$stored"; fi
  measure_picture
  echo "stored $stored: $pieces navy pieces, $navy navy pixels, $grey ball-grey pixels"
  check "the program ended with 0 ($exit_code)" test "$exit_code" = 0
  case $world in
    cascadium) check "two shelves: a few large navy pieces" test "$pieces" -ge 1 -a "$pieces" -le 4 -a "$navy" -gt 5000 ;;
    cradle) check "grey balls and no navy scenery" test "$grey" -gt 1000 -a "$navy" -lt 500 ;;
    pachinko) check "a field of navy pins" test "$pieces" -ge 100 ;;
  esac
}

expect_world none cascadium
expect_world 1 cradle
expect_world 2 pachinko
expect_world 7 pachinko
expect_world 0xffffffff cascadium  # -1
reg_clear
finish

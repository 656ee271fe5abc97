#!/usr/bin/env bash
# Argument texts that name no run mode start the plain window, which closes with exit code 0.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

screen=$(screen_geometry)
for arguments in "" "-s" "s" "/x" "/c" "/C:123" '"/s"' '"/p 5"'; do
  echo "argument text [$arguments]"
  start_saver "$arguments"
  window=$(x_window Cascadium 20)
  check "a visible window titled Cascadium" test -n "$window"
  if [ -n "$window" ]; then
    check "it does not cover the screen" test "$(x_geometry "$window")" != "$screen"
    check "it is a CascadiumClass window" test -n "$(probe wait CascadiumClass Cascadium 2000)"
  fi
  probe close CascadiumClass - >/dev/null
  await_exit 15
  check "closing it ends the process with 0 ($exit_code)" test "$exit_code" = 0
done
finish

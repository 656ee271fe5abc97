#!/usr/bin/env bash
# "/c:<handle>" shows only the settings dialog: Enter stores the selected world, Escape keeps
# what was stored, the process ends with 0 either way, and no main window ever appears.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

dialog_size=0x0  # WxH of the last dialog seen
about_twice() { # about_twice <WxH> <WxH>: each side 1.75 to 2.25 times as long
  awk -v a="$1" -v b="$2" 'BEGIN { split(a, p, "x"); split(b, q, "x"); w = q[1] / p[1]; h = q[2] / p[2]
                                   exit !(w >= 1.75 && w <= 2.25 && h >= 1.75 && h <= 2.25) }'
}

# Starts the dialog, checks it, presses <key> in it and checks the exit code.
answer_dialog() {
  local arguments=$1 key=$2 found owner
  start_saver "$arguments"
  found=$(probe wait '#32770' Settings 20000)
  check "a Settings dialog appears" test -n "$found"
  if [ -n "$found" ]; then
    owner=${found#* }
    check "it has no owner" test "$owner" = 0
    check "no main window exists" probe absent CascadiumClass -
    local window
    window=$(x_window Settings 10)
    check "the dialog has an X window" test -n "$window"
    [ -n "$window" ] && dialog_size=$(x_geometry "$window") && dialog_size=${dialog_size%%+*}
    press_until_ended "$window" "$started_pid" "$key"
  fi
  await_exit 15
  check "the process ends with 0 ($exit_code)" test "$exit_code" = 0
  check "no main window was left" probe absent CascadiumClass -
}

echo "argument text [/c:] with nothing stored, Enter"
reg_clear
answer_dialog "/c:" Return
check "Enter stored world 0 as a DWORD ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x0"

echo "argument text [/c:0] with 9 stored, Enter"
reg_store 9
answer_dialog "/c:0" Return
check "Enter stored the normalised world 2 ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x2"

# OK would rewrite 9 as 2, so an unchanged 9 shows that nothing was stored.
echo "argument text [/c:] with 9 stored, Escape"
reg_store 9
answer_dialog "/c:" Escape
check "Escape kept the stored 9 ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x9"

# Dialog units follow the font, which grows with the screen's scale.
size_at_96=$dialog_size
echo "argument text [/c:] at 200 %, Enter"
at_dpi 192
reg_clear
answer_dialog "/c:" Return
check "Enter stored world 0 ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x0"
check "it lays out at about twice its size at 100 % ($size_at_96, now $dialog_size)" \
  about_twice "$size_at_96" "$dialog_size"
at_dpi 96

reg_clear
finish

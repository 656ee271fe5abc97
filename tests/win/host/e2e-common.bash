# Shared by the end-to-end scripts tests/win/e2e-*.sh; sourced, not run.
# Run through scripts/wine-test, which sets DISPLAY (a private Xvfb), WINEPREFIX (a throwaway
# prefix) and CASCADIUM_BIN_DIR (the folder of the Cascadium.scr under test, 32-bit or 64-bit).
set -uo pipefail

: "${CASCADIUM_BIN_DIR:?the folder of Cascadium.scr}" "${DISPLAY:?an X display}" "${WINEPREFIX:?a throwaway wine prefix}"
export WINEDEBUG=${WINEDEBUG:--all}

wine=/usr/lib/wine/wine64
scr="Z:$CASCADIUM_BIN_DIR/Cascadium.scr"
probe="$CASCADIUM_BIN_DIR/tests/win/host/WindowProbe.exe"
preview_host="$CASCADIUM_BIN_DIR/tests/win/host/PreviewHost.exe"
registry_key='HKCU\Software\Zantrel\Cascadium'

source "$(dirname "${BASH_SOURCE[0]}")/../../support/checks.bash"
started_pid=""
exit_code=""

# Starts the saver with exactly this argument text; its exit code is collected by await_exit.
start_saver() {
  "$wine" "$probe" run "$scr" "$1" &
  started_pid=$!
}

# Waits at most <seconds> for the started saver and sets exit_code to its exit code, or to
# "timeout" after ending it. Not for a command substitution: only this shell can wait for it.
await_exit() {
  local seconds=$1 waited=0
  while kill -0 "$started_pid" 2>/dev/null && [ $waited -lt $((seconds * 10)) ]; do
    sleep 0.1; waited=$((waited + 1))
  done
  if kill -0 "$started_pid" 2>/dev/null; then
    kill "$started_pid" 2>/dev/null
    "$wine" "$probe" close CascadiumClass - >/dev/null 2>&1
    "$wine" "$probe" close '#32770' Settings >/dev/null 2>&1
    wait "$started_pid" 2>/dev/null
    exit_code=timeout
    return
  fi
  wait "$started_pid"
  exit_code=$?
}

probe() { "$wine" "$probe" "$@" 2>/dev/null | tr -d '\r'; }

# The X window of the given exact title, waiting up to <seconds>; empty when none appears.
x_window() {
  local title=$1 seconds=$2 id="" waited=0
  while [ -z "$id" ] && [ $waited -lt $((seconds * 10)) ]; do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || { sleep 0.1; waited=$((waited + 1)); }
  done
  echo "$id"
}

# Focuses an X window and types a key sequence into it, again while <pid> lives, at most three
# times: a press that arrives while Wine is still taking the focus is lost. Stops
# once the window has gone, so no press lands in another window.
press_until_ended() { # press_until_ended <X window> <pid> <xdotool keys...>
  local window=$1 pid=$2 attempt waited
  shift 2
  for attempt in 1 2 3; do
    xdotool windowfocus --sync "$window" 2>/dev/null || return 0
    xdotool key --clearmodifiers --delay 500 "$@"
    for waited in $(seq 40); do
      kill -0 "$pid" 2>/dev/null || return 0
      sleep 0.1
    done
  done
}

# "WIDTHxHEIGHT+X+Y" of an X window, in root coordinates.
x_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

screen_geometry() {
  echo "$(xdotool getdisplaygeometry | tr ' ' x)+0+0"
}

reg_clear() { "$wine" reg delete 'HKCU\Software\Zantrel' /f >/dev/null 2>&1; true; }
reg_store() { "$wine" reg add "$registry_key" /v World /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
# Prints the stored "World" as "REG_DWORD 0x.." or "none".
reg_world() {
  local line
  line=$("$wine" reg query "$registry_key" /v World 2>/dev/null | tr -d '\r' | grep -E '^\s+World\s')
  if [ -n "$line" ]; then echo "$line" | awk '{print $2, $3}'; else echo none; fi
}

# Windows compares paths without regard to case.
same_path() { [ "${1,,}" = "${2,,}" ]; }

# The version users read, set once at the top of CMakeLists.txt.
product_version() { sed -n 's/^set(CASCADIUM_VERSION_TEXT \(.*\))$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../../CMakeLists.txt"; }

# The data of a registry value as `reg query` prints it ("0x1" for a DWORD), or nothing.
reg_value() { # reg_value <key> <value> [reg options...]
  local key=$1 name=$2
  shift 2
  "$wine" reg query "$key" /v "$name" "$@" 2>/dev/null | tr -d '\r' |
    awk -v name="$name" 'tolower($1) == tolower(name) { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]*/, ""); print }'
}

# The desktop's dots per inch for the programs started from now on: Wine reads the user's setting,
# else the machine's font setting, as each program starts. The prefix serves the whole test run,
# so a script that changes it puts back 96 when it ends, however it ends.
at_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || return 1
  done
  if [ "$1" != 96 ]; then
    trap 'at_dpi 96' EXIT
    trap 'exit 1' TERM INT
  fi
}

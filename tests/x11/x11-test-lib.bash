# Sourced by the end-to-end scripts tests/x11/*.sh: a private Xvfb for the one script, gone
# when it ends, and helpers to start the program, wait for it and read pixels from the screen.
# A script exits 77 (skipped) when Xvfb is not installed.
# Expects CASCADIUM (the program) and X11_TEST_HOST (tests/x11/host) in the environment.
set -uo pipefail

command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
: "${CASCADIUM:?the cascadium program}"

work=$(mktemp -d)
xvfb_pid=""
started=()  # every process a script starts, ended by id when it ends

cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  if [ "$failures" -gt 0 ] && [ -s "$work/program.log" ]; then
    echo "--- what the program printed"; tail -n 40 "$work/program.log"
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private-xvfb.bash"

# start_xvfb [--tcp] WIDTHxHEIGHT[xDEPTH] [Xvfb options...]: a server for the script, in place
# of the one it started before, if any.
start_xvfb() {
  local tcp=()
  if [ "$1" = --tcp ]; then tcp=(--tcp); shift; fi
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid"
  start_private_xvfb "${tcp[@]}" "$1" "$work/xvfb.log" "${@:2}" || { echo "no display could be started"; exit 1; }
}

# start_program [ARGS...]: runs cascadium in the background; its pid in $program.
start_program() {
  "$CASCADIUM" "$@" >>"$work/program.log" 2>&1 &
  program=$!
  started+=("$program")
}

# wait_window TITLE SECONDS: the id of the window of exactly that title, or empty.
wait_window() {
  local id="" tenths=$(($2 * 10))
  while [ -z "$id" ] && [ "$tenths" -gt 0 ]; do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || { sleep 0.1; tenths=$((tenths - 1)); }
  done
  echo "$id"
}

# wait_for SECONDS COMMAND...: runs the command every tenth of a second until it succeeds;
# fails when it has not within about SECONDS.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# capture: the whole screen, now, for crop to read.
capture() { xwd -root -silent >"$work/screen.xwd"; }

# crop WIDTHxHEIGHT+X+Y: a histogram of that part of the last capture in $work/histogram.txt.
# ImageMagick reads no 8-bit DirectColor capture; netpbm does.
crop() {
  convert "xwd:$work/screen.xwd" -crop "$1" +repage -format %c histogram:info:- >"$work/histogram.txt" 2>/dev/null \
    || xwdtopnm "$work/screen.xwd" 2>/dev/null | pnmdepth 255 | convert - -crop "$1" +repage -format %c histogram:info:- \
      >"$work/histogram.txt"
}

# shoot WIDTHxHEIGHT+X+Y: a capture, and the histogram of that part of it.
shoot() { capture && crop "$1"; }

# resident_kb PID: the process's resident memory in kB.
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# open_host [WIDTH HEIGHT [input-only]]: a white window of another program at the top left
# (640x400 unless given), or an input-only one; its id in $host_window.
open_host() {
  coproc HOST { "$X11_TEST_HOST" window "${1:-640}" "${2:-400}" ${3:+"$3"}; }
  started+=("$HOST_PID")
  read -r -t 10 host_window <&"${HOST[0]}"
}

# destroy_host: destroys the window, then ends the host.
destroy_host() {
  echo destroy >&"${HOST[1]}"
  local said=""
  read -r -t 10 said <&"${HOST[0]}"
  eval "exec ${HOST[1]}>&-"
  [ "$said" = destroyed ]
}

# Pixels of one colour (RRGGBB) in the last shot, each channel within TOLERANCE of it (0 unless
# given): a 16-bit visual holds navy, 000080, as 000084.
count_of() {
  awk -v r=$((16#${1:0:2})) -v g=$((16#${1:2:2})) -v b=$((16#${1:4:2})) -v t="${2:-0}" '
    function near(x, y) { return x - y <= t && y - x <= t }
    { gsub(":", "", $1); split($2, c, /[(),]/); if (near(c[2], r) && near(c[3], g) && near(c[4], b)) n += $1 }
    END { print n + 0 }' "$work/histogram.txt"
}

# Grey pixels in the last shot: equal red, green and blue between 0x40 and 0xF0 (objects).
count_grey() {
  awk '{ gsub(":", "", $1); split($2, c, /[(),]/);
         if (c[2] == c[3] && c[3] == c[4] && c[2] >= 64 && c[2] <= 240) n += $1 } END { print n + 0 }' \
    "$work/histogram.txt"
}

at_least() { [ "$1" -ge "$2" ]; }
at_most() { [ "$1" -le "$2" ]; }

#!/usr/bin/env bash
# End to end: cascadium-wayland under a private headless sway (pixman, no GPU), run as an
# unprivileged user, as sway wants (as root: the user scripts/setup makes). The command line's
# faults and a missing compositor get one line each. The window shows the shelves, about 60
# changing pictures a second, never in a buffer the compositor holds, and redraws at a new size;
# 2 shows the cradle, where no ghost of the balls builds up; a drag drops objects. --fullscreen
# covers the output, hides the pointer and ends with status 0 on a move beyond the saver's
# tolerance, not on a smaller one. --background draws the world behind another client's window on
# each of two outputs, the second added later, at scale 2 and then 1. A compositor killed under it
# ends it with status 1 and one line.
set -uo pipefail
: "${CASCADIUM_WAYLAND:?the cascadium-wayland program}"
: "${WAYLAND_TEST_POINTER:?the test pointer (tests/wayland/host)}"
for tool in sway swaymsg grim wtype jq convert setpriv; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
test_user=cascadium-test
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  id "$test_user" >/dev/null 2>&1 || { echo "SKIP: no user $test_user to run sway as (scripts/setup makes it)"; exit 77; }
  as_user=(setpriv --reuid="$test_user" --regid="$test_user" --clear-groups)
fi
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

work=$(mktemp -d)
chmod 755 "$work"
mkdir -m 700 "$work/run"
if [ ${#as_user[@]} -gt 0 ]; then
  chown "$test_user" "$work/run"
  # The build tree may lie where the test user cannot reach (under /root): run copies.
  mkdir "$work/bin" && cp "$CASCADIUM_WAYLAND" "$WAYLAND_TEST_POINTER" "$work/bin/" && chmod 755 "$work/bin"/*
  CASCADIUM_WAYLAND=$work/bin/$(basename "$CASCADIUM_WAYLAND")
  WAYLAND_TEST_POINTER=$work/bin/$(basename "$WAYLAND_TEST_POINTER")
fi
sway_pid=""
started=()  # the program's runs, ended by id when the script ends
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null
  if [ "$failures" -gt 0 ]; then
    echo "--- what the program printed"; grep -hv '^\[' "$work"/run-*.log | tail -n 20
    echo "--- sway"; tail -n 20 "$work/sway.log"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Two outputs: the first at start, the second when the background's step makes it.
cat >"$work/sway.conf" <<'EOF'
xwayland disable
default_border none
output HEADLESS-1 mode 1024x768 position 0 0
output HEADLESS-2 mode 800x600 position 1024 0 scale 2
EOF
# user COMMAND...: runs it as the test user in the session's private environment.
# as_user: the words that run a command as the test user in the session's private environment,
# with sway's sockets once it listens (an empty SWAYSOCK makes sway itself fail). A command
# started with them in the background is $!, as a function would not be.
session() {
  as=("${as_user[@]}" env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$work/run" WLR_BACKENDS=headless
      WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1)
  [ -z "${swaysock:-}" ] || as+=(WAYLAND_DISPLAY="$socket" SWAYSOCK="$swaysock")
}
user() { "${as[@]}" "$@"; }
wait_for() {  # wait_for SECONDS COMMAND...: every tenth of a second until it succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$deadline" ] || return 1; sleep 0.1; done
}
sway_listens() {
  socket=$(cd "$work/run" && ls wayland-[0-9] 2>/dev/null | head -n 1)
  swaysock=$(ls "$work/run"/sway-ipc.*.sock 2>/dev/null | head -n 1)
  [ -n "$socket" ] && [ -n "$swaysock" ]
}
start_sway() {
  socket="" swaysock=""
  session
  "${as[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
  sway_pid=$!
  wait_for 10 sway_listens || { echo "sway did not start"; cat "$work/sway.log"; exit 1; }
  session
}
runs=0
start_program() {  # start_program [ARGS...]: $program is its pid, $log what it printed and requested
  runs=$((runs + 1))
  log=$work/run-$runs.log
  "${as[@]}" WAYLAND_DEBUG=client "$CASCADIUM_WAYLAND" "$@" >"$log" 2>&1 &
  program=$!
  started+=("$program")
}
msg() { user swaymsg "$@" >/dev/null; }
# The program's window: "name width height x y fullscreen_mode" of the view with its pid.
view() { user swaymsg -t get_tree | jq -r --argjson pid "$program" \
  '.. | objects | select(.pid? == $pid) | "\(.name)|\(.rect.width) \(.rect.height) \(.rect.x) \(.rect.y) \(.fullscreen_mode)"'; }
shows_view() { [ -n "$(view)" ]; }
# shoot GEOMETRY|-o OUTPUT: the histogram of that part of the screen in $work/histogram.txt.
shoot() {
  local where=(-g "$1")
  [[ "$1" == "-o "* ]] && where=(-o "${1#-o }")
  user grim "${where[@]}" - | convert png:- -format %c histogram:info:- >"$work/histogram.txt"
}
count_of() {  # pixels of one colour (RRGGBB) in the last shot
  awk -v want="#$1" 'toupper($3) == want { gsub(":", "", $1); n += $1 } END { print n + 0 }' "$work/histogram.txt"
}
count_grey() {  # equal red, green and blue between 0x40 and 0xF0: objects
  awk '{ gsub(":", "", $1); split($2, c, /[(),]/);
         if (c[2] == c[3] && c[3] == c[4] && c[2] >= 64 && c[2] <= 240) n += $1 } END { print n + 0 }' \
    "$work/histogram.txt"
}
at_least() { [ "$1" -ge "$2" ]; }
at_most() { [ "$1" -le "$2" ]; }
shows_navy() { shoot "$1" && at_least "$(count_of 000080)" "$2"; }
# Commits of a picture with changed areas in the last SECONDS of the request log.
pictures_in() {
  awk -v span="$1" '
    match($0, /^\[ *[0-9.]+\]/) { t = substr($0, 2, RLENGTH - 2) + 0 }
    /wl_surface@[0-9]+\.damage_buffer\(/ { damaged = 1 }
    /wl_surface@[0-9]+\.commit\(/ { if (damaged) times[n++] = t; damaged = 0 }
    END { for (i = 0; i < n; i++) if (times[i] > times[n - 1] - span * 1000) c++; print c + 0 }' "$log"
}

# The command line and the compositor's absence, before there is one: one line each.
one_line() {  # one_line STATUS ARGS...: it ends with STATUS and prints exactly one line
  local want=$1; shift
  "${as[@]}" WAYLAND_DISPLAY=wayland-none "$CASCADIUM_WAYLAND" "$@" >"$work/out.txt" 2>&1
  local got=$?
  [ "$got" = "$want" ] && [ "$(wc -l <"$work/out.txt")" = 1 ] || { echo "    status $got: $(cat "$work/out.txt")"; false; }
}
session
check "an unknown option ends it with status 2 and one line" one_line 2 --root
check "--fullscreen with --background ends it with status 2 and one line" one_line 2 --fullscreen --background
check "no compositor to connect to ends it with status 1 and one line" one_line 1 --background

start_sway
# A headless seat has no pointer until a client makes one; wtype makes its keyboard as it types.
coproc POINTER { exec "${as[@]}" "$WAYLAND_TEST_POINTER"; }
started+=("$POINTER_PID")
read -r -t 10 said <&"${POINTER[0]}"
[ "${said:-}" = ready ] || { echo "no pointer could be made"; exit 1; }

# The window, tiled over the whole first output.
start_program
check "a window of the program's appears" wait_for 10 shows_view
IFS='|' read -r title geometry <<<"$(view)"
read -r width height x y _ <<<"$geometry"
check "it is titled Cascadium and fills the output (\"$title\", ${width}x$height)" \
  [ "$title|${width}x$height" = "Cascadium|1024x768" ]
check "the navy shelves show" wait_for 5 shows_navy "0,0 1024x768" 20000
# About 60 a second (at least 30, well above one a tick, though a loaded machine may drop some).
sleep 2
pictures=$(pictures_in 2)
check "about 60 pictures a second, each with its changed areas ($pictures in 2 s)" \
  eval "at_least $pictures 60 && at_most $pictures 130"

# No buffer is attached again (drawn in again) before the compositor has let go of it.
redrawn_held() {
  awk '/-> wl_surface@[0-9]+\.attach\(wl_buffer@/ { match($0, /wl_buffer@[0-9]+/); b = substr($0, RSTART, RLENGTH)
                                                    if (held[b]) n++; held[b] = 1; attached++ }
       /wl_buffer@[0-9]+\.(release|destroy)\(/ { match($0, /wl_buffer@[0-9]+/); held[substr($0, RSTART, RLENGTH)] = 0 }
       END { print n + 0, attached + 0 }' "$log"
}
read -r early attached <<<"$(redrawn_held)"
check "no buffer is drawn in while the compositor holds it ($early of $attached attached early)" \
  eval "[ $early = 0 ] && [ $attached -gt 50 ]"

# A floating window of another size: new buffers of that size, the shelves reaching its edges.
msg "[pid=$program] floating enable, resize set 600 400, move position 100 100"
resized() { grep -q 'create_buffer(new id wl_buffer@[0-9]*, 0, 600, 400, 2400, ' "$log"; }
check "after a resize to 600x400 it draws into buffers of that size" wait_for 5 resized
check "and the shelves reach its right edge" wait_for 5 shows_navy "600,100 100x400" 1000

# Dropping objects in the cradle, where only the balls are grey.
msg "[pid=$program] floating disable"
user wtype -s 300 2  # the pause lets the program take the new keyboard before the key
titled() { [ "$(view | cut -d'|' -f1)" = "$1" ]; }
check "2 names the cradle in the title" wait_for 5 titled "Newton's Cradle"
cradle_shows() { shoot "0,0 1024x768" && at_least "$(count_of 808080)" 2000 && at_most "$(count_of 000080)" 100; }
check "the cradle shows: grey balls, no shelves" wait_for 5 cradle_shows
# Each buffer catches up on the pictures drawn in the others: one that did not would bring back
# balls where they were a picture or more ago, as the compositor shows more of it.
shoot "0,0 1024x768"
first=$(count_of 808080) most=0
for _ in 1 2 3 4 5 6; do sleep 0.4; shoot "0,0 1024x768"; most=$(( $(count_of 808080) > most ? $(count_of 808080) : most )); done
check "no ghost of the balls builds up (808080 pixels $first, then at most $most)" at_most "$most" $((first * 108 / 100))
before=$(count_grey)
# point WORDS: one event of the test pointer ("move DX DY", "press", "release"), once it is done.
point() { echo "$*" >&"${POINTER[1]}" && read -r -t 5 said <&"${POINTER[0]}" && [ "$said" = done ]; }
msg "seat seat0 cursor set 80 300"
point press
for _ in 1 2 3 4 5 6 7 8 9 10 11; do point move 20 0; sleep 0.03; done
point release
grey_above() { shoot "0,0 1024x768" && at_least "$(count_grey)" "$1"; }
check "a left-button drag drops objects under the pointer (grey pixels $before, then more)" \
  wait_for 10 grey_above $((before + 1500))
kill "$program"
wait_exit "$program" 5
check "SIGTERM ends it with status 0 (status $status)" [ "$status" = 0 ]

# The saver: the whole output, no pointer; the user's first activity beyond jitter ends it.
msg "seat seat0 cursor set 500 400"
start_program --fullscreen
check "--fullscreen makes a view" wait_for 10 shows_view
IFS='|' read -r _ geometry <<<"$(view)"
check "it covers the output, full screen ($geometry)" [ "$geometry" = "1024 768 0 0 1" ]
check "and shows the world" wait_for 5 shows_navy "0,0 1024x768" 20000
msg "seat seat0 cursor move 1 0"
check "it hides the pointer" wait_for 5 grep -q 'wl_pointer@[0-9]*\.set_cursor([0-9]*, nil, 0, 0)' "$log"
msg "seat seat0 cursor move 3 4"
wait_exit "$program" 1
check "a move of 4 pixels from where the pointer came does not end it ($status)" [ "$status" = running ]
msg "seat seat0 cursor move 2 0"
wait_exit "$program" 5
check "one beyond 4 pixels ends it with status 0 (status $status)" [ "$status" = 0 ]

# The background, with a window of another client over part of it.
start_program --background
background=$program
background_log=$log
check "--background draws the shelves on the first output" wait_for 10 shows_navy "-o HEADLESS-1" 20000
start_program --world cradle
wait_for 10 shows_view
msg "[pid=$program] floating enable, resize set 400 300, move position 0 0"
covered() { shoot "0,0 400x300" && at_most "$(count_of 000080)" 100 && shoot "400,0 624x768" && at_least "$(count_of 000080)" 5000; }
check "behind another client's window, the background shows around it" wait_for 5 covered
msg create_output
check "a second output gets its own background" wait_for 10 shows_navy "-o HEADLESS-2" 10000
msg "output HEADLESS-2 disable"
msg "output HEADLESS-2 enable"
check "and gets it again when it comes back" wait_for 10 shows_navy "-o HEADLESS-2" 10000
# The second output comes at scale 2, 400x300 logical pixels: its pictures are 800x600 from the
# first, sharp. Back at scale 1 they are 800x600 again, not twice that.
sized() { grep -q 'create_buffer(new id wl_buffer@[0-9]*, 0, '"$1, $2"', ' "$background_log"; }
check "at scale 2 the second output's pictures have its 800x600 pixels from the first" \
  eval "sized 800 600 && ! sized 400 300"
msg "output HEADLESS-2 scale 1"
sleep 0.5
check "at scale 1 too, not 1600x1200" eval "! sized 1600 1200"
check "and shows the world" wait_for 5 shows_navy "-o HEADLESS-2" 10000
check "the background is still running" kill -0 "$background"

# The compositor gone: every client ends with status 1 and one line.
kill "$sway_pid"
wait_exit "$background" 5
line=$(grep -v '^\[' "$background_log" | tail -n 1)
check "killing the compositor ends it with status 1 (status $status) and one line ($line)" \
  eval "[ '$status' = 1 ] && [ \"\$line\" = 'cascadium-wayland: the connection to the compositor is gone' ]"

finish

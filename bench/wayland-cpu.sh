#!/usr/bin/env bash
# CPU cost of the Wayland program plus its compositor beside the X11 program plus its X server,
# at the same size (1920x1080) and rate (60 pictures a second), in one run: cascadium-wayland
# full screen on a private headless sway (pixman, no GPU; 60 Hz), cascadium --root on a private
# Xvfb (its default --delay, 16666 us). Each runs the Cascadium world for SECONDS (20 by
# default) after a 3 s warm-up; its own CPU time, its server's and their sum are printed as
# percentages of one core. The Wayland program's pictures a second are counted apart, from its
# protocol log over 3 s (WAYLAND_DEBUG, which costs too much to run while measured). The
# world's random objects sway either figure from one start to the next: ROUNDS repeats both,
# alternating, and the last line is the sums' share. As root, sway runs as the user scripts/setup
# makes for the Wayland tests (sway refuses root).
# Usage: bench/wayland-cpu.sh CASCADIUM_WAYLAND CASCADIUM [SECONDS [ROUNDS]]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
usage="usage: bench/wayland-cpu.sh CASCADIUM_WAYLAND CASCADIUM [SECONDS [ROUNDS]]"
wayland=${1:?$usage}
x11=${2:?$usage}
seconds=${3:-20}
rounds=${4:-1}
warmup=3
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=cascadium-test --regid=cascadium-test --clear-groups)

source "$root/scripts/lib/private-xvfb.bash"
work=$(mktemp -d)
chmod 755 "$work"
mkdir -m 700 "$work/run"
[ ${#as_user[@]} -eq 0 ] || chown cascadium-test "$work/run"
xvfb_pid="" sway_pid="" hack=""
trap 'for p in $hack $sway_pid $xvfb_pid; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
start_private_xvfb 1920x1080 "$work/xvfb.log" || { echo "wayland-cpu: no X display could be started"; exit 1; }
printf 'output HEADLESS-1 mode 1920x1080@60Hz\nxwayland disable\ndefault_border none\n' >"$work/sway.conf"
session=(env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$work/run" WLR_BACKENDS=headless WLR_RENDERER=pixman
         WLR_LIBINPUT_NO_DEVICES=1)
"${as_user[@]}" "${session[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
for _ in $(seq 100); do socket=$(cd "$work/run" && ls wayland-[0-9] 2>/dev/null | head -n 1); [ -n "$socket" ] && break; sleep 0.1; done
[ -n "$socket" ] || { echo "wayland-cpu: sway did not start"; cat "$work/sway.log"; exit 1; }
source "$root/bench/lib/cpu-rounds.bash"

on_sway=("${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$socket")
"${on_sway[@]}" WAYLAND_DEBUG=client "$wayland" --fullscreen >"$work/client.log" 2>&1 &
hack=$!
sleep 4
kill "$hack"; wait "$hack" 2>/dev/null; hack=""
awk 'match($0, /^\[ *[0-9.]+\]/) { t = substr($0, 2, RLENGTH - 2) + 0 }
     /-> wl_surface@[0-9]+\.commit\(/ { times[n++] = t }
     END { for (i = 0; i < n; i++) if (times[i] > times[n - 1] - 3000) c++; printf "cascadium-wayland: %.1f pictures a second at 1920x1080\n", c / 3 }' "$work/client.log"
printf '%-44s %8s   %8s   %8s\n' "1920x1080, ${seconds} s each, % of one core" program server total
ours="" theirs=""
for ((round = 1; round <= rounds; ++round)); do
  servers=("$sway_pid")
  measure "cascadium-wayland --fullscreen + sway" "${on_sway[@]}" "$wayland" --fullscreen --world cascadium || exit 1
  ours=$(add "$ours" "${total% \%}")
  servers=("$xvfb_pid")
  measure "cascadium --root + Xvfb" env DISPLAY="$DISPLAY" "$x11" --root --world cascadium || exit 1
  theirs=$(add "$theirs" "${total% \%}")
done
share "Wayland pair / X11 pair" "$ours" "$theirs"

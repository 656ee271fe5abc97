#!/usr/bin/env bash
# CPU cost of the native program on X, beside a peer from Debian's extra screen savers, in one
# run on one private 1920x1080 Xvfb: each draws on the root window for SECONDS (20 by default)
# after a 3 s warm-up, and its own CPU time and the X server's over that span are printed as
# percentages of one core. Each runs at the program's default --delay (16666 us, about 60
# pictures a second) and at 50000 (20 a second, the program's one picture a tick); the peer,
# fluidballs, with 60 balls. The last lines give the program's total as a share of the peer's.
# Usage: bench/x11-cpu.sh CASCADIUM [SECONDS]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cascadium=${1:?usage: bench/x11-cpu.sh CASCADIUM [SECONDS]}
seconds=${2:-20}
peer=/usr/libexec/xscreensaver/fluidballs
warmup=3

source "$root/scripts/lib/private-xvfb.bash"
log=$(mktemp)
xvfb_pid=""
hack=""
trap '[ -n "$hack" ] && kill "$hack" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -f "$log"' EXIT
start_private_xvfb 1920x1080 "$log" || { echo "x11-cpu: no display could be started"; exit 1; }
ticks_per_second=$(getconf CLK_TCK)

# User plus system CPU ticks of a process so far (fields 14 and 15 of /proc/PID/stat, counted
# after the parenthesised name, which may hold spaces).
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat") || return 1
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}

percent() {  # percent TICKS [SPAN]: share of one core over SPAN seconds (the measured span)
  awk -v t="$1" -v hz="$ticks_per_second" -v s="${2:-$seconds}" 'BEGIN { printf "%6.2f %%", 100 * t / hz / s }'
}

# measure NAME COMMAND...: prints one row for the command drawing on the root window, and
# leaves its total share of a core, in percent, in $total.
measure() {
  local name=$1; shift
  "$@" >/dev/null 2>&1 &
  hack=$!
  sleep "$warmup"
  local p0 x0 p1 x1
  p0=$(cpu_ticks "$hack") || { echo "x11-cpu: $name ended early"; return 1; }
  x0=$(cpu_ticks "$xvfb_pid")
  sleep "$seconds"
  p1=$(cpu_ticks "$hack") || { echo "x11-cpu: $name ended early"; return 1; }
  x1=$(cpu_ticks "$xvfb_pid")
  kill "$hack"; wait "$hack" 2>/dev/null; hack=""
  total=$(percent $((p1 - p0 + x1 - x0)))
  printf '%-44s %s   %s   %s\n' "$name" "$(percent $((p1 - p0)))" "$(percent $((x1 - x0)))" "$total"
}

printf '%-44s %8s   %8s   %8s\n' "1920x1080, ${seconds} s each, % of one core" process "X server" total
x0=$(cpu_ticks "$xvfb_pid"); sleep "$warmup"; x1=$(cpu_ticks "$xvfb_pid")
printf '%-44s %8s   %s\n' "idle X server (over ${warmup} s)" "" "$(percent $((x1 - x0)) "$warmup")"
declare -A own peers
for delay in 16666 50000; do
  measure "cascadium --root --delay $delay" "$cascadium" --root --delay "$delay"
  own[$delay]=${total% \%}
  if [ -x "$peer" ]; then
    measure "fluidballs --root --count 60 --delay $delay" "$peer" --root --count 60 --delay "$delay"
    peers[$delay]=${total% \%}
  fi
done
[ -x "$peer" ] || { echo "fluidballs is not installed (xscreensaver-data-extra): no peer to compare with"; exit 0; }
for delay in 16666 50000; do
  awk -v a="${own[$delay]}" -v b="${peers[$delay]}" -v d="$delay" \
    'BEGIN { printf "%-44s %6.2f x\n", "cascadium / fluidballs at --delay " d, (b > 0 ? a / b : 0) }'
done

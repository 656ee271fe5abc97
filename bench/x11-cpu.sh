#!/usr/bin/env bash
# CPU cost of the native program on X, beside a peer from Debian's extra screen savers, in one
# run on one private 1920x1080 Xvfb: each draws on the root window for SECONDS (20 by default)
# after a 3 s warm-up, and its own CPU time and the X server's over that span are printed as
# percentages of one core. Each runs at the program's default --delay (16666 us, about 60
# pictures a second) and at 50000 (20 a second, the program's one picture a tick); the peer,
# fluidballs, with 60 balls. The last lines give the program's total as a share of the peer's.
# EARLIER, a build from before --delay (one picture a tick, always), is measured in the same
# run beside the program at 50000, which should cost no more. ROUNDS repeats it all, and the
# shares are of the rounds' sums: the program's world and fluidballs' ball sizes are drawn at
# random each time, which sways either's figure by a tenth to a third from one start to the
# next, so keep figures from several rounds.
# Usage: bench/x11-cpu.sh CASCADIUM [SECONDS [ROUNDS [EARLIER]]]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cascadium=${1:?usage: bench/x11-cpu.sh CASCADIUM [SECONDS [ROUNDS [EARLIER]]]}
seconds=${2:-20}
rounds=${3:-1}
earlier=${4:-}
peer=/usr/libexec/xscreensaver/fluidballs
warmup=3

source "$root/scripts/lib/private-xvfb.bash"
log=$(mktemp)
xvfb_pid=""
hack=""
trap '[ -n "$hack" ] && kill "$hack" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -f "$log"' EXIT
start_private_xvfb 1920x1080 "$log" || { echo "x11-cpu: no display could be started"; exit 1; }
servers=("$xvfb_pid")
source "$root/bench/lib/cpu-rounds.bash"

printf '%-44s %8s   %8s   %8s\n' "1920x1080, ${seconds} s each, % of one core" process "X server" total
x0=$(cpu_ticks "$xvfb_pid"); sleep "$warmup"; x1=$(cpu_ticks "$xvfb_pid")
printf '%-44s %8s   %s\n' "idle X server (over ${warmup} s)" "" "$(percent $((x1 - x0)) "$warmup")"
# Sums over the rounds, in percent: each program's figure and the peer's sway from run to run
# with their random worlds (fluidballs picks its balls' sizes at random), so the shares pool
# the rounds.
declare -A own peers before
for ((round = 1; round <= rounds; ++round)); do
  for delay in 16666 50000; do
    measure "cascadium --root --delay $delay" "$cascadium" --root --delay "$delay"
    own[$delay]=$(add "${own[$delay]:-}" "${total% \%}")
    if [ -x "$peer" ]; then
      measure "fluidballs --root --count 60 --delay $delay" "$peer" --root --count 60 --delay "$delay"
      peers[$delay]=$(add "${peers[$delay]:-}" "${total% \%}")
    fi
  done
  if [ -n "$earlier" ]; then
    measure "earlier build, one picture a tick" "$earlier" --root
    before[50000]=$(add "${before[50000]:-}" "${total% \%}")
  fi
done
[ -n "$earlier" ] && share "cascadium at --delay 50000 / earlier build" "${own[50000]}" "${before[50000]}"
[ -x "$peer" ] || { echo "fluidballs is not installed (xscreensaver-data-extra): no peer to compare with"; exit 0; }
for delay in 16666 50000; do share "cascadium / fluidballs at --delay $delay" "${own[$delay]}" "${peers[$delay]}"; done

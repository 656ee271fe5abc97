#!/usr/bin/env bash
# CPU cost of the Windows saver under Wine, beside a peer from Debian's extra screen savers, in
# one run on one private 1920x1080 Xvfb: the saver (/s, over the whole screen, 20 pictures a
# second) and fluidballs with 60 balls at --delay 50000 (20 a second) on the root window, each
# for SECONDS (20 by default) after a warm-up. Printed as percentages of one core: the program's
# own CPU, the Wine server's and the X server's, and their total; the last lines give the saver's
# total as a share of the peer's. EARLIER, an earlier build of the saver, is measured in the same
# rounds. ROUNDS repeats it all, the three taking turns, and the shares are of the rounds' sums:
# the saver's world and fluidballs' balls are random, and a loaded machine sways any one figure.
# The Wine prefix is a throwaway one under the build tree, made on the first run.
# Usage: bench/win-cpu.sh Cascadium.scr [SECONDS [ROUNDS [EARLIER]]]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
saver=$(realpath "${1:?usage: bench/win-cpu.sh Cascadium.scr [SECONDS [ROUNDS [EARLIER]]]}")
seconds=${2:-20}
rounds=${3:-1}
earlier=${4:+$(realpath "$4")}
peer=/usr/libexec/xscreensaver/fluidballs
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# Wine starts its desktop and the program before the scene runs.
warmup=6

export WINEPREFIX="$root/build/win-cpu/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
source "$root/scripts/lib/private-xvfb.bash"
log=$(mktemp)
xvfb_pid=""
server_pid=""
trap '[ -n "$hack" ] && kill "$hack" 2>/dev/null; [ -n "$server_pid" ] && "$wineserver" -k 2>/dev/null;
      [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -f "$log"' EXIT
start_private_xvfb 1920x1080 "$log" || { echo "win-cpu: no display could be started"; exit 1; }
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1
# A server of our own, started here, so that its pid is known: none may be left from the above.
"$wineserver" -k 2>/dev/null
"$wineserver" -w
"$wineserver" -p -f >/dev/null 2>&1 &
server_pid=$!
"$wine" wineboot >/dev/null 2>&1
kill -0 "$server_pid" 2>/dev/null || { echo "win-cpu: the Wine server did not start"; exit 1; }
servers=("$server_pid" "$xvfb_pid")
hack=""
source "$root/bench/lib/cpu-rounds.bash"

printf '%-44s %8s   %8s   %8s   %8s\n' "1920x1080, ${seconds} s each, % of one core" process "wine srv" "X server" total
declare -A sums
for ((round = 1; round <= rounds; ++round)); do
  measure "Cascadium.scr /s" "$wine" "$saver" /s && sums[own]=$(add "${sums[own]:-}" "${total% \%}")
  if [ -x "$peer" ]; then
    servers=(- "$xvfb_pid")
    measure "fluidballs --root --count 60 --delay 50000" "$peer" --root --count 60 --delay 50000 &&
      sums[peer]=$(add "${sums[peer]:-}" "${total% \%}")
    servers=("$server_pid" "$xvfb_pid")
  fi
  if [ -n "$earlier" ]; then
    measure "earlier build, /s" "$wine" "$earlier" /s && sums[earlier]=$(add "${sums[earlier]:-}" "${total% \%}")
  fi
done
[ -n "$earlier" ] && share "saver / earlier build" "${sums[own]:-0}" "${sums[earlier]:-0}"
[ -x "$peer" ] || { echo "fluidballs is not installed (xscreensaver-data-extra): no peer to compare with"; exit 0; }
share "saver / fluidballs" "${sums[own]:-0}" "${sums[peer]:-0}"
[ -n "$earlier" ] && share "earlier build / fluidballs" "${sums[earlier]:-0}" "${sums[peer]:-0}"
exit 0

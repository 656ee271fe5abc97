# Sourced by the CPU benchmarks (bench/x11-cpu.sh, bench/win-cpu.sh): measuring a program's
# share of a core beside the servers that draw for it, and pooling rounds. The caller sets
# `seconds` (the measured span), `warmup` (seconds before it) and `servers`, the pids whose CPU
# counts with the program's (the X server, the Wine server); a "-" stands for a server the
# program does not use, shown and counted as nothing.
ticks_per_second=$(getconf CLK_TCK)
hack=""

# User plus system CPU ticks of a process so far (fields 14 and 15 of /proc/PID/stat, counted
# after the parenthesised name, which may hold spaces).
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat") || return 1
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}

server_ticks() { if [ "$1" = - ]; then echo 0; else cpu_ticks "$1"; fi; }

percent() {  # percent TICKS [SPAN]: share of one core over SPAN seconds (the measured span)
  awk -v t="$1" -v hz="$ticks_per_second" -v s="${2:-$seconds}" 'BEGIN { printf "%6.2f %%", 100 * t / hz / s }'
}

# measure NAME COMMAND...: prints one row for the command, its CPU and each server's over the
# span, and leaves the total share of a core, in percent, in $total.
measure() {
  local name=$1 server p0 p1 sum columns=""
  local -a s0=() s1=()
  shift
  "$@" >/dev/null 2>&1 &
  hack=$!
  sleep "$warmup"
  p0=$(cpu_ticks "$hack") || { echo "$name ended early"; hack=""; return 1; }
  for server in "${servers[@]}"; do s0+=("$(server_ticks "$server")"); done
  sleep "$seconds"
  p1=$(cpu_ticks "$hack") || { echo "$name ended early"; hack=""; return 1; }
  for server in "${servers[@]}"; do s1+=("$(server_ticks "$server")"); done
  kill "$hack"; wait "$hack" 2>/dev/null; hack=""
  sum=$((p1 - p0))
  for i in "${!servers[@]}"; do
    if [ "${servers[i]}" = - ]; then columns+="        -  "; continue; fi
    columns+="   $(percent $((s1[i] - s0[i])))"
    sum=$((sum + s1[i] - s0[i]))
  done
  total=$(percent "$sum")
  printf '%-44s %s%s   %s\n' "$name" "$(percent $((p1 - p0)))" "$columns" "$total"
}

add() { awk -v a="${1:-0}" -v b="$2" 'BEGIN { print a + b }'; }

share() {  # share LABEL OURS THEIRS
  awk -v a="$2" -v b="$3" -v l="$1" 'BEGIN { printf "%-44s %6.2f x\n", l, (b > 0 ? a / b : 0) }'
}

#!/usr/bin/env bash
# The instructions each picture of the partial redraw takes, as callgrind counts them: unlike the
# render benchmark's times, a count the machine's load does not sway. The benchmark's two partial
# redraws (once a tick, and between ticks) draw a fixed run of pictures of each world; only the
# drawing function is counted, and the count is written out each time the benchmark stops its
# clock after a picture. The first count is the whole picture that starts the run and is left
# out; the rest are given as mean, least and most, in millions. Needs Debian's valgrind.
# Usage: bench/callgrind-pictures.sh RENDER_BENCH   (build/linux/bench/cascadium_render_bench)
set -euo pipefail
bench=${1:?usage: bench/callgrind-pictures.sh RENDER_BENCH}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# count BENCHMARK FUNCTION: one line of figures for the pictures of BENCHMARK that FUNCTION draws.
count() {
  rm -f "$work"/out*
  valgrind --tool=callgrind --collect-atstart=no --toggle-collect="$2" \
    --dump-before='benchmark::State::PauseTiming*' --callgrind-out-file="$work/out" \
    "$bench" --benchmark_filter="^$1/" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  local i=2
  while [ -f "$work/out.$i" ]; do
    sed -n 's/^summary: //p' "$work/out.$i"
    i=$((i + 1))
  done | awk -v name="$1" '
    { n++; sum += $1; if (n == 1 || $1 < least) least = $1; if ($1 > most) most = $1 }
    END {
      if (n == 0) { print "callgrind-pictures: no picture of " name " counted" > "/dev/stderr"; exit 1 }
      printf "%-36s %4d pictures: mean %5.2f M, least %5.2f M, most %5.2f M\n",
             name, n, sum / n / 1e6, least / 1e6, most / 1e6
    }'
}

for world in $("$bench" --benchmark_list_tests | sed -n 's|^RenderWindowFrame/\([^/]*\)/.*|\1|p'); do
  count "RenderWindowFrame/$world" 'PartialRedraw::Draw*'
  count "RenderWindowBetweenTicks/$world" 'Toy::DrawFrame*'
done

#!/bin/bash
# One recorded run of cascadium-sim, made again: the trace (and summary) must match the
# recording byte for byte and the last picture pixel for pixel. A difference is a change of
# behaviour: a spawn, a layout, a step or a removal that is no longer what it was.
# Usage: golden-run.sh SIM SAME_PIXELS RECORDED NAME SIM-ARGUMENTS...
# RECORDED/NAME.jsonl and RECORDED/NAME.png were written by the same arguments with
# --trace --png RECORDED/NAME.png --size 320x192, stdout into RECORDED/NAME.jsonl.
# SAME_PIXELS "-" compares the trace alone, for a simulator that draws no pictures.
# With CASCADIUM_RECORD_GOLDEN=1 (scripts/record-golden) the run is recorded anew instead, with
# these same arguments. A simulator that draws no pictures only compares a recording that has
# one: that recording belongs to a build that draws them.
set -u
sim=$1 samePixels=$2 recorded=$3 name=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

picture=(--png "$work/$name.png" --size 320x192)
[ "$samePixels" = - ] && picture=()
"$sim" "$@" --trace "${picture[@]}" >"$work/$name.jsonl" || {
    echo "FAIL: cascadium-sim $* exited with $?"
    exit 1
}
if [ "${CASCADIUM_RECORD_GOLDEN:-}" = 1 ] && { [ "$samePixels" != - ] || [ ! -e "$recorded/$name.png" ]; }; then
    cp "$work/$name.jsonl" "$recorded/$name.jsonl"
    [ "$samePixels" = - ] || cp "$work/$name.png" "$recorded/$name.png"
    echo "recorded: $recorded/$name"
    exit 0
fi
if ! cmp -s "$recorded/$name.jsonl" "$work/$name.jsonl"; then
    echo "FAIL: the trace differs from $name.jsonl (recorded < > now):"
    diff "$recorded/$name.jsonl" "$work/$name.jsonl" | head -n 10
    exit 1
fi
[ "$samePixels" = - ] || "$samePixels" "$recorded/$name.png" "$work/$name.png" || {
    echo "FAIL: the picture differs from $name.png"
    exit 1
}
echo "ok: $name"

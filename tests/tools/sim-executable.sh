#!/bin/bash
# cascadium-sim seen from outside: exit statuses, its one-line errors, and what it writes where.
# Usage: sim-executable.sh SIM CASE   (one ctest case each; see tests/CMakeLists.txt)
set -u
sim=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fixed=(--start-ms 0 --seed 1)

fail()
{
    echo "FAIL: $*"
    echo "--- stdout (last lines):"; tail -n 3 "$work/out" 2>/dev/null
    echo "--- stderr:"; cat "$work/err" 2>/dev/null
    exit 1
}

# Runs the simulator with stdout and stderr in files; $status is its exit status.
run()
{
    "$sim" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"; }

# Exactly one line on stderr, and it is the simulator's own.
expect_one_error_line()
{
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^cascadium-sim: ' "$work/err" ||
        fail "expected one 'cascadium-sim: ...' line on stderr"
}

# A picture that cannot be written ends the run: status 1, one line, and nothing after it, not
# even the "cleared" lines of the scene's teardown.
expect_picture_failure()
{
    run "${fixed[@]}" --seconds 1 --trace "$@"
    expect_status 1
    expect_one_error_line
    ! grep -q '"why":"cleared"' "$work/out" || fail "the teardown reached the trace"
    "$sim" "${fixed[@]}" --seconds 1 --trace "$@" >"$work/merged" 2>&1
    tail -n 1 "$work/merged" | grep -q '^cascadium-sim: cannot write ' || fail "output follows the error line"
}

case $2 in
bad-option)
    for args in "--bogus" "--tick-ms 2001" "--seconds"; do
        run $args
        expect_status 2
        expect_one_error_line
        [ ! -s "$work/out" ] || fail "$args: wrote to stdout"
    done
    ;;
unwritable-picture)
    expect_picture_failure --png "$work/missing/last.png"
    ;;
unwritable-frames)
    # The folder is made, but not its parents.
    expect_picture_failure --frames "$work/missing/frames"
    ;;
frames-folder)
    run "${fixed[@]}" --seconds 0.1 --frames "$work/frames"
    expect_status 0
    [ "$(ls "$work/frames")" = "$(printf 'frame-0000.png\nframe-0001.png')" ] || fail "not the two frames alone"
    ;;
planted-symlink)
    # A name planted in a shared folder is replaced by the picture, never written through.
    mkdir "$work/frames"
    for args in "--png $work/last.png" "--frames $work/frames"; do
        picture=${args#* }
        [ -d "$picture" ] && picture=$picture/frame-0000.png
        echo "another user's file" >"$work/target"
        ln -s "$work/target" "$picture"
        run "${fixed[@]}" --seconds 0.05 $args
        expect_status 0
        [ "$(cat "$work/target")" = "another user's file" ] || fail "$args wrote through the symlink"
        [ ! -L "$picture" ] && file -b "$picture" | grep -q '^PNG image' || fail "$args: $picture is no PNG"
    done
    ;;
failed-write)
    # A picture cut short by the file size limit (4 KiB) leaves no file behind.
    for args in "--png $work/out/last.png" "--frames $work/out"; do
        mkdir -p "$work/out"
        (ulimit -f 4 && exec "$sim" "${fixed[@]}" --seconds 0.05 --size 1600x960 $args) >"$work/out.txt" 2>"$work/err"
        status=$?
        expect_status 1
        expect_one_error_line
        [ -z "$(ls -A "$work/out")" ] || fail "$args left $(ls -A "$work/out")"
    done
    ;;
failed-stdout)
    for args in "--seconds 1" "--seconds 1 --trace" "--help" "--list-worlds"; do
        "$sim" "${fixed[@]}" $args >/dev/full 2>"$work/err"
        status=$?
        expect_status 1
        expect_one_error_line
        "$sim" "${fixed[@]}" $args >&- 2>"$work/err"
        status=$?
        expect_status 1
        expect_one_error_line
    done
    ;;
whole-run)
    # 16.15 s is 323 ticks of 50 ms; off a terminal, stderr stays empty.
    run "${fixed[@]}" --seconds 16.15
    expect_status 0
    [ ! -s "$work/err" ] || fail "wrote to stderr"
    grep -q '"end_ms":16150,"ticks":323,' "$work/out" || fail "not 323 ticks ending at 16150 ms"
    ;;
longest-tick)
    # Ticks of 2000 ms lose no time: 10 s are every 16 ms step that began before the end.
    run "${fixed[@]}" --seconds 10 --tick-ms 2000
    expect_status 0
    grep -q '"ticks":5,"steps":625,' "$work/out" || fail "not 5 ticks of 625 steps in all"
    ;;
trace-roles)
    # The reset after a minute takes the eleven rods with their balls: each is still a joint.
    run "${fixed[@]}" --world cradle --seconds 61 --trace
    expect_status 0
    ! grep -q '"role":"none"' "$work/out" || fail "an entry traced without its role"
    taken=$(grep -c '"event":"remove",.*"role":"joint","why":"taken","from":' "$work/out")
    [ "$taken" -eq 11 ] || fail "$taken rods traced as joints taken with their balls, expected 11"
    ;;
list-worlds)
    # A line per world: a name --world takes, a tab, a name to read. The page's button hint
    # names one digit key per world; the manual page, whose lists the build makes, describes
    # each world in words of its own.
    run --list-worlds
    expect_status 0
    [ ! -s "$work/err" ] || fail "wrote to stderr"
    manual="$(dirname "$0")/../../x11/cascadium.6.in"
    worlds=0
    while IFS=$'\t' read -r world label; do
        worlds=$((worlds + 1))
        [ -n "$label" ] || fail "no name to read for '$world'"
        "$sim" --world "$world" --seconds 0 >/dev/null || fail "--world does not take the listed '$world'"
        grep -qF "\\(lq$label\\(rq" "$manual" || fail "x11/cascadium.6.in does not describe '$label'"
    done <"$work/out"
    [ "$worlds" -gt 1 ] || fail "$worlds worlds listed"
    keys="keys $(seq -s ', ' 1 "$worlds")"
    grep -q "($keys)" "$(dirname "$0")/../../web/index.html" || fail "web/index.html does not hint at $keys"
    ;;
progress-on-terminal)
    # script(1) gives the run a terminal: the progress line shows on it.
    script -qec "'$sim' ${fixed[*]} --seconds 2 >/dev/null" /dev/null >"$work/out" 2>"$work/err"
    status=$?
    expect_status 0
    grep -q 'cascadium-sim: 0:00:00 of 0:00:02 simulated' "$work/out" || fail "no progress on the terminal"
    ;;
*)
    fail "unknown case '$2'"
    ;;
esac
echo "ok: $2"

# Sourced: start_private_xvfb starts an Xvfb of our own on the first free display from :80 on,
# sets DISPLAY and xvfb_pid, and leaves stopping it to the caller. Another script may take the
# same number at the same moment: then one server fails, and only the one whose pid the lock
# file holds owns the display; the other tries the next number. -noreset keeps the server as it
# is between clients: otherwise it resets each time the last one leaves, the readiness probe first.
# The screen is 24 bits deep unless a depth is given. With --tcp the server listens on TCP too
# and DISPLAY names it by 127.0.0.1, so clients reach it as a remote one, without shared memory.
# Usage: start_private_xvfb [--tcp] WIDTHxHEIGHT[xDEPTH] LOG [Xvfb options...]
start_private_xvfb() { start_xvfb_as attached "$@"; }

# The same for a server that outlives the caller and its test (scripts/wine-test keeps one for a
# whole test run): it is started by detach.
start_lasting_xvfb() { start_xvfb_as detached "$@"; }

# Starts a command in the background, in a session of its own that holds none of the caller's
# files but its standard output and error: CTest waits until every copy of a test's output pipe
# is closed, and a lock the caller holds would stay held. The command's pid is $!.
detach() {
  (
    cd /
    for fd in $(ls /proc/$BASHPID/fd); do [ "$fd" -gt 2 ] && eval "exec $fd>&-"; done
    exec setsid "$@" </dev/null
  ) &
}

start_xvfb_as() {
  local how=$1 listen=(-nolisten tcp) host=""
  shift
  if [ "$1" = --tcp ]; then listen=(-listen tcp); host=127.0.0.1; shift; fi
  local screen=$1 log=$2 n
  shift 2
  [[ $screen == *x*x* ]] || screen+=x24
  for n in $(seq 80 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    if [ "$how" = detached ]; then
      detach Xvfb ":$n" -noreset -screen 0 "$screen" "${listen[@]}" "$@" >"$log" 2>&1
    else
      Xvfb ":$n" -noreset -screen 0 "$screen" "${listen[@]}" "$@" >"$log" 2>&1 &
    fi
    xvfb_pid=$!
    for _ in $(seq 50); do
      if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$xvfb_pid" ] &&
         xdpyinfo -display "$host:$n" >/dev/null 2>&1; then
        export DISPLAY="$host:$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  return 1
}

# Sourced by the end-to-end scripts (tests/x11/*.sh, tests/wayland/*.sh, tests/win/e2e-*.sh):
# named checks that count failures, waiting for a program to end, and the verdict.
failures=0

check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "  ok: $what"; else echo "  FAIL: $what"; failures=$((failures + 1)); fi
}

# wait_exit PID SECONDS: sets $status to the exit status, or to "running" after SECONDS.
wait_exit() {
  local pid=$1 tenths=$(($2 * 10))
  status=running
  while [ "$tenths" -gt 0 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; return; fi
    sleep 0.1; tenths=$((tenths - 1))
  done
}

# The verdict, once every check has run. It takes no argument: one means the caller wanted
# another function (the Windows scripts' await_exit), and ending "passed" there would skip the rest.
finish() {
  [ $# -eq 0 ] || { echo "  FAIL: finish takes no argument (given: $*)"; exit 1; }
  if [ "$failures" -eq 0 ]; then echo "passed"; exit 0; fi
  echo "$failures check(s) failed"; exit 1
}

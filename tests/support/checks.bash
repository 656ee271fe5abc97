# Sourced by the end-to-end scripts (tests/x11/*.sh, tests/win/e2e-*.sh): named checks that
# count failures, and the verdict.
failures=0

check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "  ok: $what"; else echo "  FAIL: $what"; failures=$((failures + 1)); fi
}

finish() {
  if [ "$failures" -eq 0 ]; then echo "passed"; exit 0; fi
  echo "$failures check(s) failed"; exit 1
}

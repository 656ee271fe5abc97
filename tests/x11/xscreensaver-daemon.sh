#!/usr/bin/env bash
# End to end with the real client: Debian's xscreensaver daemon on a private Xvfb, set up to
# show only this hack (mode one, no lock, no splash), blanks the screen with it when told to,
# and ends it when told to stop. The daemon refuses to run hacks as root, so under root it and
# its commands run as nobody, with a copy of the hack and a home that nobody can read.
source "$(dirname "${BASH_SOURCE[0]}")/x11-test-lib.bash"
command -v xscreensaver >/dev/null || { echo "FAIL: xscreensaver is not installed"; exit 1; }
# The daemon may connect as another user: this private display alone takes every local client.
start_xvfb 1024x768 -ac

chmod 755 "$work"
mkdir -p "$work/bin" "$work/home"
hack="$work/bin/cascadium"
cp "$CASCADIUM" "$hack"
chmod 755 "$work/bin" "$hack"
[ "$(id -u)" -ne 0 ] || chown nobody "$work/home"
cat >"$work/home/.xscreensaver" <<CONFIG
mode: one
selected: 0
lock: False
splash: False
fade: False
unfade: False
timeout: 1:00:00
programs: $hack --root
CONFIG
chmod 644 "$work/home/.xscreensaver"

as_nobody() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- env DISPLAY="$DISPLAY" HOME="$work/home" "$@";
  else env HOME="$work/home" "$@"; fi
}
hack_pids() {  # the running copies of the hack, by their executable
  local p
  for p in /proc/[0-9]*; do [ "$(readlink "$p/exe" 2>/dev/null)" = "$hack" ] && echo "${p#/proc/}"; done
}
daemon_answers() { as_nobody xscreensaver-command -version >/dev/null 2>&1; }
until_true() {  # until_true SECONDS COMMAND...: polls every tenth of a second
  local tenths=$(($1 * 10)); shift
  while ! "$@"; do
    tenths=$((tenths - 1)); [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}
hack_running() { [ -n "$(hack_pids)" ]; }
hack_gone() { [ -z "$(hack_pids)" ]; }

as_nobody xscreensaver --no-splash --log "$work/home/daemon.log" >/dev/null 2>&1 &
daemon=$!
started+=("$daemon")
check "the daemon starts" until_true 10 daemon_answers

as_nobody xscreensaver-command -activate >/dev/null
check "activating it starts the hack" until_true 10 hack_running
echo "    $(grep -m 1 'forked.*cascadium' "$work/home/daemon.log")"
sleep 2
shoot 1024x768+0+0
navy=$(count_of 000080)
check "the screen shows the world's shelves ($navy pixels of 000080)" at_least "$navy" 10000

as_nobody xscreensaver-command -deactivate >/dev/null
check "deactivating it ends the hack" until_true 10 hack_gone

as_nobody xscreensaver-command -exit >/dev/null 2>&1
wait_exit "$daemon" 5
finish

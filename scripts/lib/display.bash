# Sourced by the scripts that run the Windows program: an X display (a private Xvfb when
# DISPLAY is unset, stopped when the script exits) and a throwaway Wine prefix in build/.

xvfb_pid=""
stop_display() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""; }

start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in 99 98 97 96 95; do
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap stop_display EXIT
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  done
  return 1
}

# WINEPREFIX inside the build tree, never the user's own; created on first use.
use_wine_prefix() {
  export WINEPREFIX="$1/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
}

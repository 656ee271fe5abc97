#!/usr/bin/env bash
# "/p <handle>" puts the saver into the host's window and ends with the host; without a usable
# window after "/p" the process ends at once with 0 and shows nothing. The desktop and the
# message-only windows (-3 is HWND_MESSAGE) are windows, but no place for a preview.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

echo "a real host window"
timeout 60 "$wine" "$preview_host" "$scr" 2>&1 | tr -d '\r' | sed 's/^/  /'
check "the preview fills the host, survives input and ends with 0 with its host" test "${PIPESTATUS[0]}" -eq 0

read -r desktop message_root <<<"$(probe roots)"
check "the desktop and the message root have handles ($desktop, $message_root)" test -n "$message_root"

for arguments in "/p:1234" "/p" "/p 0" "/P 1234" "/p -5" "/p -3" "/p $desktop" "/p $message_root"; do
  echo "argument text [$arguments]"
  start_saver "$arguments"
  await_exit 10
  check "ends at once with 0 ($exit_code)" test "$exit_code" = 0
  check "no Cascadium window was left" test -z "$(xdotool search --onlyvisible --name '^Cascadium$' 2>/dev/null)"
done
finish

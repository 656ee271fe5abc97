#!/usr/bin/env bash
# The setup program on 32-bit Windows: in a 32-bit Wine prefix of its own, made for this run
# in the build tree and removed after it, a silent install with /SETSAVER puts the program into
# system32 and names that path as the screen saver and as the uninstall entry's icon.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

version=$(product_version)
setup="$CASCADIUM_BIN_DIR/Cascadium-$version-setup.exe"
installed_path='C:\windows\system32\Cascadium.scr'
wine=/usr/lib/wine/wine # a 32-bit prefix takes the 32-bit loader; reg_value runs it too
wineserver=/usr/lib/wine/wineserver

export WINEPREFIX="$CASCADIUM_BIN_DIR/wine-test-32bit-windows" WINEARCH=win32
stop_prefix() {
  "$wineserver" -k 2>/dev/null
  "$wineserver" -w 2>/dev/null
  rm -rf "$WINEPREFIX"
}
stop_prefix
trap stop_prefix EXIT
# Wine's service processes outlive wineboot: they get no copy of the test's output pipe.
"$wine" wineboot -i >/dev/null 2>&1 </dev/null
check "a 32-bit prefix: no syswow64" test -d "$WINEPREFIX/drive_c/windows/system32" -a ! -e "$WINEPREFIX/drive_c/windows/syswow64"

"$wine" "$setup" /S /SETSAVER >/dev/null 2>&1 </dev/null
status=$?
check "the setup program ended with 0 ($status)" test $status = 0
check "the installed Cascadium.scr in system32 is the built one" \
  cmp -s "$CASCADIUM_BIN_DIR/Cascadium.scr" "$WINEPREFIX/drive_c/windows/system32/Cascadium.scr"
check "SCRNSAVE.EXE names it" same_path "$(reg_value 'HKCU\Control Panel\Desktop' SCRNSAVE.EXE)" "$installed_path"
check "the uninstall entry's icon is the program" same_path \
  "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cascadium' DisplayIcon)" "$installed_path,0"
finish

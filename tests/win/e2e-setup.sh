#!/usr/bin/env bash
# The setup program in the test prefix (64-bit Wine): a silent install puts the built program
# into syswow64 with a complete uninstall entry and, with /SETSAVER, makes it the current screen
# saver; the installed program runs; a second install replaces the program and leaves one entry
# and one file; the silent uninstaller removes the program, the entry and the screen saver
# setting that named it, and leaves the stored world alone.
source "$(dirname "${BASH_SOURCE[0]}")/host/e2e-common.bash"

version=$(product_version)
setup="$CASCADIUM_BIN_DIR/Cascadium-$version-setup.exe"
built="$CASCADIUM_BIN_DIR/Cascadium.scr"
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/windows/syswow64/Cascadium.scr"
installed_path='C:\windows\SysWOW64\Cascadium.scr'
install_folder="$drive_c/Program Files (x86)/Cascadium"
uninstaller='C:\Program Files (x86)\Cascadium\Uninstall.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cascadium'
desktop_key='HKCU\Control Panel\Desktop'

# A 32-bit program's entry lives in the registry's 32-bit view.
entry_value() { reg_value "$uninstall_key" "$1" /reg:32; }
expect_entry() { # expect_entry <value> <data> [comparison]
  check "uninstall entry $1 is [$2] ($(entry_value "$1"))" "${3:-same_text}" "$(entry_value "$1")" "$2"
}
same_text() { [ "$1" = "$2" ]; }
entries_named_cascadium() {
  local view
  for view in /reg:32 /reg:64; do
    "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "$view" 2>/dev/null | tr -d '\r'
  done | grep -cE '^\s+DisplayName\s+REG_SZ\s+Cascadium$'
}
kib() { echo $((($(stat -c %s "$1") + 1023) / 1024)); }

# What an earlier, failed run may have left.
rm -rf "$installed" "$install_folder"
"$wine" reg delete "$uninstall_key" /reg:32 /f >/dev/null 2>&1
"$wine" reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
"$wine" reg add "$desktop_key" /v ScreenSaveActive /t REG_SZ /d 0 /f >/dev/null 2>&1
reg_clear

echo "a silent install with /SETSAVER"
"$wine" "$setup" /S /SETSAVER
status=$?
check "the setup program ended with 0 ($status)" test $status = 0
check "the installed Cascadium.scr in syswow64 is the built one" cmp -s "$built" "$installed"
check "nothing went to system32" test ! -e "$drive_c/windows/system32/Cascadium.scr"
expect_entry DisplayName Cascadium
expect_entry DisplayVersion "$version"
expect_entry Publisher Zantrel
expect_entry DisplayIcon "$installed_path,0" same_path
expect_entry UninstallString "\"$uninstaller\"" same_path
expect_entry QuietUninstallString "\"$uninstaller\" /S" same_path
expect_entry NoModify 0x1
expect_entry NoRepair 0x1
expect_entry EstimatedSize "$(printf '0x%x' $(($(kib "$installed") + $(kib "$install_folder/Uninstall.exe"))))"
check "SCRNSAVE.EXE names the installed program" same_path "$(reg_value "$desktop_key" SCRNSAVE.EXE)" "$installed_path"
check "the screen saver is on" test "$(reg_value "$desktop_key" ScreenSaveActive)" = 1

echo "the installed program in its plain window"
scr=$installed_path
start_saver ""
window=$(x_window Cascadium 20)
navy=0
if [ -n "$window" ]; then
  sleep 2 # the first frames are drawn
  work=$(mktemp -d)
  xwd -root -silent >"$work/screen.xwd"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  navy=$(convert "xwd:$work/screen.xwd" -crop "$((WIDTH - 20))x$((HEIGHT - 60))+$((X + 10))+$((Y + 50))" +repage \
    -fill white +opaque '#000080' -format '%[fx:int(w*h*(1-mean))]' info:)
  rm -rf "$work"
  press_until_ended "$window" "$started_pid" alt+f x
fi
await_exit 15
check "it shows the navy shelves ($navy navy pixels)" test "$navy" -gt 5000
check "File, Exit ends it with 0 ($exit_code)" test "$exit_code" = 0

echo "installing again over a damaged program"
echo damaged >"$installed"
"$wine" "$setup" /S
status=$?
check "the second install ended with 0 ($status)" test $status = 0
check "the program is replaced by the built one" cmp -s "$built" "$installed"
check "one uninstall entry ($(entries_named_cascadium))" test "$(entries_named_cascadium)" = 1
check "one Cascadium.scr in the prefix" test "$(find "$drive_c" -iname Cascadium.scr | wc -l)" = 1

echo "a silent uninstall, waited for with every process it starts"
reg_store 1
"$wine" "$probe" tree "$uninstaller" /S
status=$?
check "the uninstaller ended with 0 ($status)" test $status = 0
check "the program is gone" test ! -e "$installed"
check "the uninstaller and its folder are gone" test ! -e "$install_folder"
check "the uninstall entry is gone" test -z "$(entry_value DisplayName)"
check "SCRNSAVE.EXE is cleared" test -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check "the stored world is left ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x1"
reg_clear
finish

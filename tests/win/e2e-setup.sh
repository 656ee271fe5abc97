#!/usr/bin/env bash
# The setup program in the test prefix (64-bit Wine), another saver current: setup fails and
# leaves nothing when a folder is where the uninstaller or program goes; installs put the program
# into syswow64 with a complete entry (/setsaver and /SETSAVER=no leave the saver, /SETSAVER takes
# it over and, run again, keeps the saver it replaced); the program runs; while it runs setup
# says so and the entry's silent uninstall ends with 2; the uninstall page names the program and
# a folder in its place; the uninstall removes everything, hands back the replaced saver however
# SCRNSAVE.EXE spells our path and keeps the stored world; once more, a saver picked since stays,
# and our short path is cleared after a deletion by hand.
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
kib() { echo $((($(cat "$@" | wc -c) + 1023) / 1024)); } # the files together, in KiB rounded up
desktop_value() { reg_value "$desktop_key" "$1"; }
set_desktop_value() { "$wine" reg add "$desktop_key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
says() { grep -qF -- "$1" <<<"$2"; }

# An entry's command run as a deployment tool does: the quoted program, the rest its arguments.
run_entry_command() { # run_entry_command run|tree <entry value>
  local command program
  command=$(entry_value "$2")
  program=${command#\"}
  program=${program%%\"*}
  "$wine" "$probe" "$1" "$program" "${command#\"$program\" }"
}

# The texts of the setup program's dialogs once one of them says <text>, within 30 seconds.
dialog_texts_saying() {
  local texts attempt
  for attempt in $(seq 60); do
    texts=$(probe texts '#32770' Cascadium)
    says "$1" "$texts" && break
    sleep 0.5
  done
  echo "$texts"
}
press() { probe press '#32770' Cascadium "$1"; } # 1 the default button, 2 Cancel, 4 Retry

# Sets ui_status once the dialogs' program <pid> has ended, answering Cancel after a minute.
end_dialogs() {
  timeout 60 tail --pid="$1" -f /dev/null || press 2
  wait "$1"
  ui_status=$?
}

# What an earlier, failed run may have left.
rm -rf "$installed" "$install_folder"
"$wine" reg delete "$uninstall_key" /reg:32 /f >/dev/null 2>&1
reg_clear
other_saver='C:\windows\system32\Ribbons.scr'
set_desktop_value SCRNSAVE.EXE "$other_saver"
set_desktop_value ScreenSaveActive 0
other_saver_current() { [ "$(desktop_value SCRNSAVE.EXE)" = "$other_saver" ] && [ "$(desktop_value ScreenSaveActive)" = 0 ]; }

for blocker in "$install_folder/Uninstall.exe" "$installed"; do
  echo "a silent install with a folder at ${blocker#"$drive_c"/}"
  mkdir -p "$blocker"
  "$wine" "$setup" /S /SETSAVER
  status=$?
  check "the setup program ended with 2 ($status)" test $status = 2
  check "no uninstall entry" test -z "$(entry_value DisplayName)"
  check "no program and no uninstaller" test ! -f "$installed" -a ! -f "$install_folder/Uninstall.exe"
  rm -rf "$blocker" "$install_folder"
done
check "the other saver is still current" other_saver_current

# The switch counts only spelled exactly so, as /S does: both of these install and leave the saver.
for switch in /setsaver /SETSAVER=no; do
  echo "a silent install with $switch"
  "$wine" "$setup" /S $switch
  status=$?
  check "the setup program ended with 0 ($status)" test $status = 0
  check "the other saver is still current" other_saver_current
done
check "the installed Cascadium.scr in syswow64 is the built one" cmp -s "$built" "$installed"
check "nothing went to system32" test ! -e "$drive_c/windows/system32/Cascadium.scr"
expect_entry DisplayName Cascadium
expect_entry DisplayVersion "$version"
expect_entry Publisher Zantrel
expect_entry DisplayIcon "$installed_path,0" same_path
expect_entry UninstallString "\"$uninstaller\" _?=${uninstaller%\\*}" same_path
expect_entry QuietUninstallString "\"$uninstaller\" /S _?=${uninstaller%\\*}" same_path
expect_entry NoModify 0x1
expect_entry NoRepair 0x1
expect_entry EstimatedSize "$(printf '0x%x' "$(kib "$installed" "$install_folder/Uninstall.exe")")"

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

echo "while it runs, idle in its settings"
start_saver /c:
probe wait '#32770' Settings 20000 >/dev/null
"$wine" "$setup" &
setup_pid=$!
dialog_texts_saying "Welcome" >/dev/null
press 1
check "setup says the saver is running" says "Cascadium is running" "$(dialog_texts_saying "$installed_path")"
press 2
dialog_texts_saying "Aborted" >/dev/null
press 2
end_dialogs $setup_pid
run_entry_command run QuietUninstallString
status=$?
check "the entry's silent uninstall ended with 2 ($status)" test $status = 2
check "the program and the entry stay" test -f "$installed" -a -n "$(entry_value DisplayName)"
probe close '#32770' Settings
await_exit 15

echo "installing again over a damaged program, with /SETSAVER"
echo damaged >"$installed"
"$wine" "$setup" /S /SETSAVER
status=$?
check "the second install ended with 0 ($status)" test $status = 0
check "the program is replaced by the built one" cmp -s "$built" "$installed"
check "one uninstall entry ($(entries_named_cascadium))" test "$(entries_named_cascadium)" = 1
check "one Cascadium.scr in the prefix" test "$(find "$drive_c" -iname Cascadium.scr | wc -l)" = 1
check "SCRNSAVE.EXE names the installed program" same_path "$(desktop_value SCRNSAVE.EXE)" "$installed_path"
check "the screen saver is on" test "$(desktop_value ScreenSaveActive)" = 1

# Cascadium is current now: the saver to hand back stays the one it first replaced.
echo "installing again with /SETSAVER, Cascadium already current"
"$wine" "$setup" /S /SETSAVER
status=$?
check "the install ended with 0 ($status)" test $status = 0
replaced=$(reg_value "$registry_key" ReplacedSaver)
check "the saver to hand back is still the other one ($replaced)" test "$replaced" = "$other_saver"

echo "the uninstall page, with a folder in the program's place"
reg_store 1
set_desktop_value SCRNSAVE.EXE '"%SystemRoot%/system32/../SysWOW64/Cascadium.scr"'
rm "$installed" && mkdir "$installed"
run_entry_command tree UninstallString &
uninstall_pid=$!
check "the page names the program" says "$installed_path" "$(dialog_texts_saying "Screen saver:")"
press 1
check "it calls a folder a folder" says "is a folder" "$(dialog_texts_saying "$installed_path is")"
rmdir "$installed" && cp "$built" "$installed"
press 4
dialog_texts_saying "Completed" >/dev/null
press 1
end_dialogs $uninstall_pid
check "the uninstaller ended with 0 ($ui_status)" test "$ui_status" = 0
check "the program is gone" test ! -e "$installed"
check "the uninstaller and its folder are gone" test ! -e "$install_folder"
check "the uninstall entry is gone" test -z "$(entry_value DisplayName)"
check "the replaced saver is current again" other_saver_current
check "the stored world is left ($(reg_world))" test "$(reg_world)" = "REG_DWORD 0x1"

echo "installed and uninstalled again, the other saver current"
"$wine" "$setup" /S
run_entry_command tree QuietUninstallString
status=$?
check "the uninstaller ended with 0 ($status)" test $status = 0
check "the other saver is still current" other_saver_current

echo "installed again, SCRNSAVE.EXE holding our short path, the program deleted by hand"
"$wine" "$setup" /S
short_path=$("$wine" winepath -s "$installed_path" | tr -d '\r')
set_desktop_value SCRNSAVE.EXE "$short_path"
rm "$installed"
run_entry_command tree QuietUninstallString
check "SCRNSAVE.EXE ($short_path) is cleared" test -n "$short_path" -a -z "$(desktop_value SCRNSAVE.EXE)"
reg_clear
finish

; The current user's screen saver: SCRNSAVE.EXE and ScreenSaveActive under
; HKCU\Control Panel\Desktop. Setup makes Cascadium current and keeps the saver it replaced;
; the uninstaller hands that one back while Cascadium is still current. Needs $SaverPath and
; $SaverShortPath (FindSaver in Cascadium.nsi).

!define DESKTOP_KEY "Control Panel\Desktop"
; The replaced saver is kept beside the program's stored world, for the same user.
!define SETTINGS_KEY "Software\Zantrel\Cascadium"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3

; In: $0, a path as SCRNSAVE.EXE may hold it. The display settings and other tools spell it in
; many ways: quoted, with %SystemRoot%, forward slashes, "system32\..\SysWOW64", short (8.3)
; names. Out: $0 is 1 when it names the installed program, else empty. Uses $1 and $2.
!macro DEFINE_NAMES_OUR_SAVER un
  Function ${un}NamesOurSaver
    ${WordReplace} $0 '"' "" "+" $0
    ${WordReplace} $0 "/" "\" "+" $0
    ExpandEnvStrings $0 $0
    ${If} $0 == ""
      Return
    ${EndIf}
    System::Call 'kernel32::GetFullPathNameW(w r0, i ${NSIS_MAX_STRLEN}, w .r1, p 0) i .r2'
    ${If} $2 <> 0
      StrCpy $0 $1
    ${EndIf}
    ; Short names become long ones while the file exists; once it is gone, only the short path
    ; kept at install time tells.
    System::Call 'kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN}) i .r2'
    ${If} $2 <> 0
      StrCpy $0 $1
    ${EndIf}
    ${If} $0 == $SaverPath
    ${OrIf} $0 == $SaverShortPath
      StrCpy $0 1
    ${Else}
      StrCpy $0 ""
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro DEFINE_NAMES_OUR_SAVER ""
!insertmacro DEFINE_NAMES_OUR_SAVER "un."

!macro SET_SCREEN_SAVE_ACTIVE value
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${value}, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
!macroend

; The saver Windows starts, and the saver switched on, which stores ScreenSaveActive "1" and
; tells the running session. The saver it replaces is kept unless that is Cascadium already
; (installing again): an empty value stands for none.
Function MakeCurrentSaver
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  Call NamesOurSaver
  ${If} $0 != 1
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    WriteRegStr HKCU "${SETTINGS_KEY}" ReplacedSaver $0
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" ScreenSaveActive
    WriteRegStr HKCU "${SETTINGS_KEY}" ReplacedSaverActive $0
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE $SaverPath
  !insertmacro SET_SCREEN_SAVE_ACTIVE 1
FunctionEnd

; Windows would otherwise go on trying to start a saver that is gone. While Cascadium is still
; current, the saver it replaced comes back with its ScreenSaveActive, or none when there was
; none or setup never replaced one; a saver picked since is left alone.
Function un.HandBackSaver
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  Call un.NamesOurSaver
  ${If} $0 == 1
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" ReplacedSaver
    ReadRegStr $1 HKCU "${SETTINGS_KEY}" ReplacedSaverActive
    ${If} $0 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE $0
    ${EndIf}
    ${If} $1 != ""
      IntOp $1 $1 + 0
      !insertmacro SET_SCREEN_SAVE_ACTIVE $1
    ${EndIf}
  ${EndIf}
  DeleteRegValue HKCU "${SETTINGS_KEY}" ReplacedSaver
  DeleteRegValue HKCU "${SETTINGS_KEY}" ReplacedSaverActive
FunctionEnd

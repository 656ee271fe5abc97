; Cascadium's setup program. It puts the 32-bit Cascadium.scr into the system folder Windows
; lists screen savers from, registers an uninstall entry and writes the uninstaller.
; installer/CMakeLists.txt runs makensis on it with these defines:
;   VERSION        the version users read, "1.10"
;   VERSION_BLOCK  the four numbers of the Windows version block, 1.1.0.0
;   PROGRAM        the built Cascadium.scr
;   ICON           the program's icon, Cascadium.ico
;   OUTFILE        the setup program to write
; Silent use: Cascadium-<version>-setup.exe /S [/SETSAVER], where /SETSAVER, spelled exactly so,
; also makes Cascadium the current user's screen saver; the uninstaller takes /S alone.

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cascadium"
!define UNINSTALLER "Uninstall.exe"
!define ERROR_ELEVATION_REQUIRED 740

Name "Cascadium"
OutFile "${OUTFILE}"
BrandingText "Cascadium ${VERSION}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; The program goes to the system folder; this folder holds only the uninstaller.
InstallDir "$PROGRAMFILES\Cascadium"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
; A Cascadium.scr that cannot be opened for writing gets Retry and Cancel only: no skipped file.
; The section says why first (the saver running, or a folder in its place).
AllowSkipFiles off

VIProductVersion ${VERSION_BLOCK}
VIAddVersionKey ProductName "Cascadium"
VIAddVersionKey CompanyName "Zantrel"
VIAddVersionKey FileDescription "Cascadium Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
; Like the program's own version block, this one carries no copyright line.
!pragma warning disable 9100

; The installed program's path as the rest of the system names it. $SYSDIR of this 32-bit
; program is System32, which 64-bit Windows redirects to SysWOW64 for it alone: the screen
; saver start, the settings and "Apps" run 64-bit and must be given SysWOW64.
; Older display settings store its short (8.3) path, which the uninstall entry keeps: it can
; no longer be asked for once the file is gone.
Var SaverFolder
Var SaverPath
Var SaverShortPath

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Make Cascadium the current screen saver"
!define MUI_FINISHPAGE_RUN_FUNCTION MakeCurrentSaver
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the screen saver settings"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenSaverSettings
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_NOREBOOTSUPPORT
!insertmacro MUI_PAGE_FINISH

; The program is not in $INSTDIR, which holds only the uninstaller: the page names the program.
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Cascadium, the screen saver below, will be removed from your computer, with its uninstaller. Click Uninstall to start."
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "Screen saver:"
!define MUI_UNCONFIRMPAGE_VARIABLE $SaverPath
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

; FindSaver sets them.
!macro DEFINE_FIND_SAVER un
  Function ${un}FindSaver
    ${If} ${RunningX64}
      StrCpy $SaverFolder "$WINDIR\SysWOW64"
    ${Else}
      StrCpy $SaverFolder $SYSDIR
    ${EndIf}
    StrCpy $SaverPath "$SaverFolder\Cascadium.scr"
    ReadRegStr $SaverShortPath HKLM "${UNINSTALL_KEY}" ProgramShortPath
  FunctionEnd
!macroend
!insertmacro DEFINE_FIND_SAVER ""
!insertmacro DEFINE_FIND_SAVER "un."

!include "${__FILEDIR__}/CurrentSaver.nsh"

; When the program file cannot be replaced or removed: why, and Retry (back to <retry>) or
; Cancel, which ends setup with status 2. Windows keeps a running program's file open.
!macro RETRY_BLOCKED_SAVER retry
  ${If} ${FileExists} "$SaverPath\*.*"
    StrCpy $0 "$SaverPath is a folder, not Cascadium's program.$\r$\nMove it away and choose Retry."
  ${Else}
    StrCpy $0 "Cascadium is running, so $SaverPath is in use.$\r$\nEnd the screen saver and choose Retry."
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION $0 /SD IDCANCEL IDRETRY ${retry}
  Abort
!macroend

; Both write to the machine's folders and registry.
!macro DEFINE_REQUIRE_ADMIN un
  Function ${un}RequireAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      MessageBox MB_ICONSTOP "Cascadium's setup needs administrator rights." /SD IDOK
      SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
      Quit
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro DEFINE_REQUIRE_ADMIN ""
!insertmacro DEFINE_REQUIRE_ADMIN "un."

Function .onInit
  Call RequireAdmin
  Call FindSaver
FunctionEnd

; NSIS starts an uninstaller that is not given _?= as a copy in the temporary folder and ends
; at once with 0, whatever the copy does. The entry's commands give _?=: the uninstaller runs in
; place and ends with the uninstall's real status. A running program's file cannot be deleted
; (nor, under Wine, renamed), so on success it starts a copy of itself with
; /REMOVEAFTER=<its process id>, which waits until it has ended and removes it and its folder.
; That copy, like NSIS's own, stays in the temporary folder until the next restart.
!define SYNCHRONIZE 0x100000
!define INFINITE -1
Function un.onInit
  Call un.RequireAdmin
  Call un.FindSaver
  ${GetParameters} $0
  ClearErrors
  ${GetOptionsS} $0 "/REMOVEAFTER=" $1
  ${IfNot} ${Errors}
    Call un.RemoveAfterEnd
    Quit
  ${EndIf}
FunctionEnd

Function un.onUninstSuccess
  ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    InitPluginsDir
    CopyFiles /SILENT $EXEPATH $PLUGINSDIR
    System::Call 'kernel32::GetCurrentProcessId() i .r0'
    Exec '"$PLUGINSDIR\$EXEFILE" /REMOVEAFTER=$0 _?=$INSTDIR'
  ${EndIf}
FunctionEnd

; $1: the process id of the uninstaller that ran in place. It lives until its last page is
; closed; one already gone cannot be opened and is not waited for. Only after an uninstall,
; when the entry is gone, are its file and folder removed.
Function un.RemoveAfterEnd
  System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
  System::Call 'kernel32::WaitForSingleObject(p r2, i ${INFINITE})'
  System::Call 'kernel32::CloseHandle(p r2)'
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" UninstallString
  ${If} ${Errors}
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir $INSTDIR
  ${EndIf}
FunctionEnd

Section
  ; The uninstaller first: when it cannot be written, nothing else is (.onInstFailed).
  ClearErrors
  SetOutPath $INSTDIR
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "The uninstaller could not be written to $INSTDIR." /SD IDOK
    Abort
  ${EndIf}

  retry:
  ${If} ${FileExists} $SaverPath
    ClearErrors
    FileOpen $0 $SaverPath a
    ${If} ${Errors}
      !insertmacro RETRY_BLOCKED_SAVER retry
    ${EndIf}
    FileClose $0
  ${EndIf}
  SetOutPath $SaverFolder
  File "${PROGRAM}"
  GetFullPathName /SHORT $SaverShortPath $SaverPath

  ; One fixed key: installing again rewrites the same entry.
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "Cascadium"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Zantrel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$SaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}" _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" ProgramShortPath $SaverShortPath
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ; The two installed files, in KiB rounded up.
  ${GetSize} $SaverFolder "/M=Cascadium.scr /S=0B /G=0" $0 $1 $2
  ${GetSize} $INSTDIR "/M=${UNINSTALLER} /S=0B /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; What a .scr file's Install command does: the settings open with Cascadium chosen. On 64-bit
; Windows through the 64-bit rundll32 (Sysnative), as Explorer would.
Function OpenSaverSettings
  ${If} ${RunningX64}
    StrCpy $0 "$WINDIR\Sysnative\rundll32.exe"
  ${Else}
    StrCpy $0 "$SYSDIR\rundll32.exe"
  ${EndIf}
  Exec '"$0" desk.cpl,InstallScreenSaver $SaverPath'
FunctionEnd

; /SETSAVER alone: not /SETSAVER=no, /setsaver or /SETSAVERS (case matters, as for /S).
Function .onInstSuccess
  ${If} ${Silent}
    ${GetParameters} $0
    ClearErrors
    ${GetOptionsS} $0 "/SETSAVER" $1
    ${IfNot} ${Errors}
    ${AndIf} $1 == ""
      Call MakeCurrentSaver
    ${EndIf}
  ${EndIf}
FunctionEnd

; A first install that failed takes back the uninstaller and folder it made; one that replaced
; an earlier install leaves that one's entry, uninstaller and program usable.
Function .onInstFailed
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" UninstallString
  ${If} ${Errors}
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir $INSTDIR
  ${EndIf}
FunctionEnd

Section Uninstall
  retry:
  Delete $SaverPath
  ${If} ${FileExists} $SaverPath
    !insertmacro RETRY_BLOCKED_SAVER retry
  ${EndIf}

  ; The stored world (HKCU\Software\Zantrel) stays: a reinstall picks it up again.
  Call un.HandBackSaver

  ; In place these two fail; the copy that un.onUninstSuccess starts does them.
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir $INSTDIR
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

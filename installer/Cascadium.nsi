; Cascadium's setup program. It puts the 32-bit Cascadium.scr into the system folder Windows
; lists screen savers from, registers an uninstall entry and writes the uninstaller.
; installer/CMakeLists.txt runs makensis on it with these defines:
;   VERSION        the version users read, "1.10"
;   VERSION_BLOCK  the four numbers of the Windows version block, 1.1.0.0
;   PROGRAM        the built Cascadium.scr
;   ICON           the program's icon, Cascadium.ico
;   OUTFILE        the setup program to write
; Silent use: Cascadium-<version>-setup.exe /S [/SETSAVER], where /SETSAVER also makes Cascadium
; the current user's screen saver; the uninstaller takes /S alone.

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cascadium"
!define DESKTOP_KEY "Control Panel\Desktop"
!define UNINSTALLER "Uninstall.exe"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3
!define ERROR_ELEVATION_REQUIRED 740

Name "Cascadium"
OutFile "${OUTFILE}"
BrandingText "Cascadium ${VERSION}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; The program goes to the system folder; this folder holds only the uninstaller.
InstallDir "$PROGRAMFILES\Cascadium"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
; A Cascadium.scr that cannot be opened for writing (the saver is running) gets Retry and
; Cancel only: no skipped file, and nothing is written until the file opens.
AllowSkipFiles off

VIProductVersion ${VERSION_BLOCK}
VIAddVersionKey ProductName "Cascadium"
VIAddVersionKey CompanyName "Zantrel"
VIAddVersionKey FileDescription "Cascadium Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
; Like the program's own version block, this one carries no copyright line.
!pragma warning disable 9100

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

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

; The installed program's path as the rest of the system names it. $SYSDIR of this 32-bit
; program is System32, which 64-bit Windows redirects to SysWOW64 for it alone: the screen
; saver start, the settings and "Apps" run 64-bit and must be given SysWOW64.
Var SaverFolder
Var SaverPath
!macro DEFINE_FIND_SAVER un
  Function ${un}FindSaver
    ${If} ${RunningX64}
      StrCpy $SaverFolder "$WINDIR\SysWOW64"
    ${Else}
      StrCpy $SaverFolder $SYSDIR
    ${EndIf}
    StrCpy $SaverPath "$SaverFolder\Cascadium.scr"
  FunctionEnd
!macroend
!insertmacro DEFINE_FIND_SAVER ""
!insertmacro DEFINE_FIND_SAVER "un."

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

Function un.onInit
  Call un.RequireAdmin
  Call un.FindSaver
FunctionEnd

Section
  SetOutPath $SaverFolder
  File "${PROGRAM}"
  SetOutPath $INSTDIR
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; One fixed key: installing again rewrites the same entry.
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "Cascadium"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Zantrel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$SaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S'
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

; For the installing user: the saver Windows starts, and the saver switched on, which stores
; ScreenSaveActive "1" and tells the running session.
Function MakeCurrentSaver
  WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE $SaverPath
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
FunctionEnd

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

Function .onInstSuccess
  ${If} ${Silent}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/SETSAVER" $1
    ${IfNot} ${Errors}
      Call MakeCurrentSaver
    ${EndIf}
  ${EndIf}
FunctionEnd

Section Uninstall
  ; Older display settings store the saver's short (8.3) path; it exists only while the file does.
  GetFullPathName /SHORT $1 $SaverPath
  retry:
  Delete $SaverPath
  ${If} ${FileExists} $SaverPath
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "$SaverPath cannot be removed while Cascadium is running.$\r$\nEnd it and choose Retry." \
      /SD IDCANCEL IDRETRY retry
    Abort
  ${EndIf}

  ; Windows would otherwise go on trying to start a saver that is gone. The stored world
  ; (HKCU\Software\Zantrel) stays: a reinstall picks it up again.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  ${If} $0 == $SaverPath
  ${OrIf} $0 == $1
    DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  ${EndIf}

  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir $INSTDIR
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Brenvik's per-user installer, one per build, made by scripts/package.sh:
;   makensis -DVERSION=1.00 -DVERSION_FIELDS=1.0.0.0 -DARCH=x64|x86
;            -DFILES=<folder holding Brenvik.exe, README.txt and brenvik.ico>
;            -DOUTFILE=<setup.exe>
; It needs no administrator: everything it writes is the user's own (the program
; folder under %LOCALAPPDATA%, the user's Start menu and Startup folder, HKCU).
; Command line: /S silent, /AUTOSTART=1 or 0 (start at sign-in), /D=<folder>.
Unicode true
!if ${ARCH} == x64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
; Installed files take the install's time: the installer holds no build time.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvik"
; The same shortcut name in the Start menu and in the Startup folder.
!define SHORTCUT "Brenvik.lnk"

Name "Brenvik ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Brenvik"
; An upgrade goes where the earlier version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "Brenvik ${VERSION} (${ARCH})"

; The program's own version record names no copyright holder either.
!pragma warning disable 9100
VIProductVersion ${VERSION_FIELDS}
VIFileVersion ${VERSION_FIELDS}
VIAddVersionKey /LANG=1033 ProductName "Brenvik"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileDescription "Brenvik ${VERSION} Setup (${ARCH})"

!define MUI_ICON "${FILES}\brenvik.ico"
!define MUI_UNICON "${FILES}\brenvik.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Brenvik.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Brenvik now"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; Closes a running Brenvik as its "Tutup Aplikasi" button does: WM_CLOSE to its window
; unloads it, which takes its icon out of the notification area, and the program
; ends. Waits for the process itself to end, since its file stays in use until then.
; Quits when it doesn't end (Quit's exit code is 2).
!macro CLOSE_RUNNING_BRENVIK un
Function ${un}CloseRunningBrenvik
  FindWindow $0 "BrenvikForm" "Brenvik"
  ${If} $0 == 0
    Return
  ${EndIf}
  DetailPrint "Closing the running Brenvik"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
  ; SYNCHRONIZE: enough to wait on it.
  System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r1) p .r2'
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ; WAIT_FAILED too when the process couldn't be opened.
  StrCpy $3 -1
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
  ${If} $3 != 0
    MessageBox MB_ICONSTOP "Brenvik is running and did not close.$\r$\n$\r$\nClose it with \
      Tutup Aplikasi (or end Brenvik.exe in Task Manager), then run this again." /SD IDOK
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_BRENVIK ""
!insertmacro CLOSE_RUNNING_BRENVIK "un."

Section "Brenvik" SectionProgram
  SectionIn RO
  Call CloseRunningBrenvik
  SetOutPath "$INSTDIR"
  File "${FILES}\Brenvik.exe"
  File "${FILES}\README.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\Brenvik.exe"
  ; The next section puts it back when chosen.
  Delete "$SMSTARTUP\${SHORTCUT}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "Brenvik"
  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "Brenvik"
  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Brenvik.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section /o "Start Brenvik when I sign in" SectionAutostart
  CreateShortcut "$SMSTARTUP\${SHORTCUT}" "$INSTDIR\Brenvik.exe"
SectionEnd

; /AUTOSTART=1 or 0 decides; without it an upgrade keeps what the earlier install
; left (the Startup shortcut there or not), and a first install leaves it off.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${If} ${Errors}
    ${If} ${FileExists} "$SMSTARTUP\${SHORTCUT}"
      SectionSetFlags ${SectionAutostart} ${SF_SELECTED}
    ${EndIf}
  ${ElseIf} $1 == 1
    SectionSetFlags ${SectionAutostart} ${SF_SELECTED}
  ${ElseIf} $1 != 0
    MessageBox MB_ICONSTOP "/AUTOSTART takes 1 or 0, not $\"$1$\"." /SD IDOK
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningBrenvik
  Delete "$SMSTARTUP\${SHORTCUT}"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$INSTDIR\Brenvik.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: a folder picked with /D= may hold the user's own files.
  RMDir "$INSTDIR"
  ; The default folder's parent too, when this install made it and left it empty.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Made by the install when it was the first of the user's.
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd

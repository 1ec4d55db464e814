; Pelanto's installer. Built by the CMake target pelanto_installer, which passes:
;   VERSION   the program's version (1.2.3)
;   PROGRAM   the built Pelanto.exe
;   ICON      the program's icon file
;   ARCH      x86 or amd64 (the build's architecture)
;   OUTFILE   the installer to write
!ifndef VERSION | PROGRAM | ICON | ARCH | OUTFILE
  !error "makensis needs -DVERSION, -DPROGRAM, -DICON, -DARCH and -DOUTFILE"
!endif

Unicode true
Target ${ARCH}-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelanto"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PUBLISHER "Pelanto"
; How long the uninstaller gives a running copy to stop the hosted network and quit.
!define QUIT_WAIT_STEPS 150 ; of 100 ms
!define NETSH_TIMEOUT_MS 10000
!define SYNCHRONIZE 0x00100000

Name "Pelanto"
OutFile "${OUTFILE}"
!if ${ARCH} == "amd64"
  InstallDir "$PROGRAMFILES64\Pelanto"
!else
  InstallDir "$PROGRAMFILES\Pelanto"
!endif
Icon "${ICON}"
UninstallIcon "${ICON}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Pelanto"
VIAddVersionKey /LANG=0 "FileDescription" "Pelanto Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the default; Windows' display language picks the other.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

; Quits a running copy as the tray menu's quit does: its window gets WM_CLOSE, and the program
; stops and disallows the hosted network and switches sharing off before the window goes. Waits
; for the window and then the process to end (bounded), so that the file can be replaced or
; deleted. Defined once for the installer and once (prefix "un.") for the uninstaller.
!macro DEFINE_QUIT_RUNNING_COPY prefix
Function ${prefix}QuitRunningCopy
  FindWindow $0 "TzenTuraMain" "Pelanto"
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "Closing the running Pelanto"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $3 0
  ${DoWhile} $3 < ${QUIT_WAIT_STEPS}
    IsWindow $0 0 window_gone
    Sleep 100
    IntOp $3 $3 + 1
  ${Loop}
  window_gone:
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_QUIT_RUNNING_COPY ""
!insertmacro DEFINE_QUIT_RUNNING_COPY "un."

; Runs one netsh command hidden; its outcome does not matter (no hosted network is no error).
!macro NETSH parameters
  nsExec::Exec /TIMEOUT=${NETSH_TIMEOUT_MS} 'netsh ${parameters}'
  Pop $0
!macroend

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Pelanto"
  SectionIn RO
  Call QuitRunningCopy
  SetOutPath "$INSTDIR"
  File "/oname=Pelanto.exe" "${PROGRAM}"
  File "/oname=Pelanto.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Pelanto.lnk" "$INSTDIR\Pelanto.exe" "" "$INSTDIR\Pelanto.ico" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pelanto"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pelanto.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The user's settings (HKCU\Software\zenTura) stay for a later installation.
Section "Uninstall"
  Call un.QuitRunningCopy
  ; In case no copy was running (or it could not stop the network itself). netsh runs from the
  ; program's folder, as the program runs it.
  SetOutPath "$INSTDIR"
  !insertmacro NETSH "wlan stop hostednetwork"
  !insertmacro NETSH "wlan set hostednetwork mode=disallow"
  SetOutPath "$TEMP" ; a folder in use as the current one cannot be removed
  DeleteRegValue HKCU "${RUN_KEY}" "zenTura"
  ; The logon task beside it; none there is no error.
  nsExec::Exec /TIMEOUT=${NETSH_TIMEOUT_MS} '"$SYSDIR\schtasks.exe" /Delete /TN Pelanto /F'
  Pop $0

  Delete "$SMPROGRAMS\Pelanto.lnk"
  Delete /REBOOTOK "$INSTDIR\Pelanto.exe"
  Delete "$INSTDIR\Pelanto.ico"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; The Windows installer: the folder that scripts/test-windows stages (the
; programs, the Qt DLLs and plugins, the compiler's runtime, the language
; files and the help) into Program Files, a Start menu folder, and an
; uninstaller registered with Windows. /S installs and uninstalls silently.
;
;   makensis -DVERSION=1.4.25 -DSOURCE=<folder> -DOUTFILE=<setup.exe> Corvix.nsi
; A 64-bit installer for a 64-bit program (it also runs where only 64-bit
; programs can, as under a 64-bit-only wine).
Target amd64-unicode
!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef SOURCE
  !error "SOURCE is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "Corvix-${VERSION}-setup.exe"
!endif
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvix"
; The FTDI driver's devices, one key per adapter ("VID_0403+PID_AFB8+serial
; number"), one subkey per instance of it ("0000", ...).
!define FTDI_DEVICES "SYSTEM\CurrentControlSet\Enum\FTDIBUS"
!define CALIPER_ADAPTER "VID_0403+PID_AFB8"

!include "x64.nsh"

Name "Corvix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Corvix"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
Icon "Corvix.ico"
UninstallIcon "Corvix.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Corvix"
VIAddVersionKey "CompanyName" "Brenvald"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Corvix setup"
VIAddVersionKey "LegalCopyright" "Brenvald"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Corvix needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

; The caliper's adapter holds what it received for up to its latency timer,
; 16 ms unless told otherwise, and every acknowledgement of a transfer waits
; that long. The FTDI driver reads the timer from each instance's "Device
; Parameters" when the adapter is plugged in: every adapter of the caliper
; Windows has seen gets 1 ms. An adapter first plugged in later keeps 16 ms
; until it is set in the Device Manager. Nothing here fails the install.
Function SetCaliperLatency
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  StrCpy $R0 0
  ${Do}
    ClearErrors
    EnumRegKey $R1 HKLM "${FTDI_DEVICES}" $R0
    ${IfThen} $R1 == "" ${|} ${ExitDo} ${|}
    IntOp $R0 $R0 + 1
    StrCpy $R2 $R1 17  ; as long as CALIPER_ADAPTER; == ignores case
    ${If} $R2 == "${CALIPER_ADAPTER}"
      StrCpy $R2 0
      ${Do}
        ClearErrors
        EnumRegKey $R3 HKLM "${FTDI_DEVICES}\$R1" $R2
        ${IfThen} $R3 == "" ${|} ${ExitDo} ${|}
        IntOp $R2 $R2 + 1
        WriteRegDWORD HKLM "${FTDI_DEVICES}\$R1\$R3\Device Parameters" "LatencyTimer" 1
        ${IfNot} ${Errors}
          DetailPrint "Latency timer 1 ms: $R1\$R3"
        ${EndIf}
      ${Loop}
    ${EndIf}
  ${Loop}
  ClearErrors
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

Section "Corvix"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}/*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Corvix"
  CreateShortcut "$SMPROGRAMS\Corvix\Corvix.lnk" "$INSTDIR\Corvix.exe"
  CreateShortcut "$SMPROGRAMS\Corvix\Uninstall Corvix.lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Corvix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Brenvald"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvix.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  Call SetCaliperLatency
SectionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; Only what the installer put there goes: a folder the user chose that
; holds other files keeps them.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Corvix\Corvix.lnk"
  Delete "$SMPROGRAMS\Corvix\Uninstall Corvix.lnk"
  RMDir "$SMPROGRAMS\Corvix"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\printsupport"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\help"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\Corvix.exe"
  Delete "$INSTDIR\corvix-cli.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\Corvix-*.xml"
  Delete "$INSTDIR\Corvix.chm"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; The Korvado installer: a per-user install (no administrator rights) into the user's programs folder, a
; Start-menu entry, .kor files opened by a double click, and an uninstaller.
; makensis -DVERSION=1.02 -DSOURCE=<the portable folder> -DOUTFILE=<installer.exe> korvado.nsi
; A 64-bit installer for a 64-bit program (it also runs where only 64-bit Windows programs do, as under Wine64).
Target amd64-unicode
!include "MUI2.nsh"

Name "Korvado ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Korvado"
InstallDirRegKey HKCU "Software\Korvado" "InstallDir"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvado"
!define FILE_TYPE "Korvado.DataFile"

!define MUI_ICON "${SOURCE}\korvado.ico"
!define MUI_UNICON "${SOURCE}\korvado.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvado.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Korvado"
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Korvado" "InstallDir" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Korvado"
  CreateShortCut "$SMPROGRAMS\Korvado\Korvado.lnk" "$INSTDIR\korvado.exe"
  CreateShortCut "$SMPROGRAMS\Korvado\Удалить Korvado.lnk" "$INSTDIR\uninstall.exe"

  ; The data file type, for this user only.
  WriteRegStr HKCU "Software\Classes\.kor" "" "${FILE_TYPE}"
  WriteRegStr HKCU "Software\Classes\${FILE_TYPE}" "" "Файл данных Korvado"
  WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\korvado.exe,0"
  WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\korvado.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvado ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvado.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Korvado\Korvado.lnk"
  Delete "$SMPROGRAMS\Korvado\Удалить Korvado.lnk"
  RMDir "$SMPROGRAMS\Korvado"
  ; The file type is removed only while it is still Korvado's.
  ReadRegStr $0 HKCU "Software\Classes\.kor" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.kor"
  DeleteRegKey HKCU "Software\Classes\${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Korvado"
  ; Only what the installer put there: the user's own files in the folder stay.
  !include "${FILELIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

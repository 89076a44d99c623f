; torvo-setup.exe: installs the program for the current user, no administrator
; rights needed. The build passes the files, the version numbers and the names
; (from the headers the program is built from) as defines.
; The programs are 64-bit, and so is the setup: Wine without its 32-bit part runs it too.
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma
; The files keep no time of the build that made them, so that the same
; source gives the same setup.
SetDateSave off
RequestExecutionLevel user

!define DISPLAY_NAME "Torvo Schach"
!define PROGRAM_FILE "${TORVO_APP_NAME}.exe"
!define CLI_FILE "torvo-cli.exe"
!define UNINSTALLER_FILE "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvo"
!define CLASSES_KEY "Software\Classes"
!define VENDOR_KEY "Software\${TORVO_VENDOR_NAME}"
!define SETTINGS_KEY "${VENDOR_KEY}\${TORVO_APP_NAME}"
!define SHORTCUT "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${DISPLAY_NAME}"
OutFile "${TORVO_OUTFILE}"
; The user's own programs folder, where per-user installs belong.
InstallDir "$LOCALAPPDATA\Programs\Torvo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${TORVO_PRODUCT_VERSION}"
VIFileVersion "${TORVO_PRODUCT_VERSION}"

!include "MUI2.nsh"

!define MUI_ICON "${TORVO_ICON}"
!define MUI_UNICON "${TORVO_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${TORVO_PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${TORVO_VENDOR_NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${TORVO_COPYRIGHT_LINE}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${DISPLAY_NAME} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${TORVO_PRODUCT_VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${TORVO_PRODUCT_VERSION}"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM_FILE}" "${TORVO_PROGRAM}"
  File "/oname=${CLI_FILE}" "${TORVO_CLI}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"

  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM_FILE}"

  ; The same file type the program writes at start-up, so that .pgn files
  ; open with it before its first run.
  WriteRegStr HKCU "${CLASSES_KEY}\${TORVO_FILE_EXTENSION}" "" "${TORVO_FILE_TYPE_ID}"
  WriteRegStr HKCU "${CLASSES_KEY}\${TORVO_FILE_TYPE_ID}" "" "${TORVO_FILE_TYPE_NAME}"
  WriteRegStr HKCU "${CLASSES_KEY}\${TORVO_FILE_TYPE_ID}\DefaultIcon" "" "$INSTDIR\${PROGRAM_FILE},-${TORVO_IDI_DOCUMENT}"
  WriteRegStr HKCU "${CLASSES_KEY}\${TORVO_FILE_TYPE_ID}\shell\open\command" "" '"$INSTDIR\${PROGRAM_FILE}" "%1"'
  WriteRegStr HKCU "${CLASSES_KEY}\${TORVO_FILE_TYPE_ID}\shell\print\command" "" '"$INSTDIR\${PROGRAM_FILE}" /p "%1"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${TORVO_PRODUCT_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${TORVO_VENDOR_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only the files the setup put there: games the user kept in the folder stay,
  ; and with them the folder.
  Delete "$INSTDIR\${PROGRAM_FILE}"
  Delete "$INSTDIR\${CLI_FILE}"
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"

  ; .pgn only while it still names this program's type: another program may
  ; have taken it over since.
  ReadRegStr $0 HKCU "${CLASSES_KEY}\${TORVO_FILE_EXTENSION}" ""
  StrCmp $0 "${TORVO_FILE_TYPE_ID}" 0 +2
    DeleteRegKey HKCU "${CLASSES_KEY}\${TORVO_FILE_EXTENSION}"
  DeleteRegKey HKCU "${CLASSES_KEY}\${TORVO_FILE_TYPE_ID}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${VENDOR_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

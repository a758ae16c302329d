; Installer and uninstaller of Torvane XP, made by scripts/package, which
; defines VERSION, MAIN_CLASS, MAIN_TITLE (the running window's class and
; title), STAGE (the folder of the files to install), ICON and OUTFILE.

; Wide-character installers do not run on Windows 95, 98 and Me.
Unicode false
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Torvane XP"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "TorvaneXp"
!define UNINSTALLER "Desinstaller.exe"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${PRODUCT}"
VIAddVersionKey /LANG=1036 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_WINDOWTITLE "${PRODUCT}"
!define MUI_LANGDLL_INFO "Choisissez une langue. / Please select a language."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\TorvaneXP.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default one.
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString NeedAdmin ${LANG_FRENCH} "L'installation de ${PRODUCT} demande les droits d'administrateur."
LangString NeedAdmin ${LANG_ENGLISH} "Installing ${PRODUCT} needs administrator rights."
LangString StillRunning ${LANG_FRENCH} "${PRODUCT} ne s'est pas fermé. Quittez-le, puis cliquez sur Réessayer."
LangString StillRunning ${LANG_ENGLISH} "${PRODUCT} did not close. Quit it, then click Retry."
LangString UninstallLink ${LANG_FRENCH} "Désinstaller ${PRODUCT}"
LangString UninstallLink ${LANG_ENGLISH} "Uninstall ${PRODUCT}"
LangString RemoveSettings ${LANG_FRENCH} "Supprimer aussi les réglages"
LangString RemoveSettings ${LANG_ENGLISH} "Also remove the settings"

; Asks a running Torvane XP to close, as its own quit commands do (it saves
; its settings on the way out), and waits for its process to end, so that
; its files can be replaced or removed and its last save comes before ours.
; The same functions serve the installer and, prefixed, the uninstaller.
!macro CLOSE_PROGRAM_FUNCTIONS PREFIX
; $0 := the running program's window, or 0 once it is gone (15 s at most).
Function ${PREFIX}WaitForWindowToGo
  Push $1
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${MAIN_CLASS}" "${MAIN_TITLE}"
    ${If} $0 = 0
    ${OrIf} $1 >= 150
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  Pop $1
FunctionEnd

Function ${PREFIX}CloseProgram
  Push $0
  Push $1
  Push $2
  ${Do}
    FindWindow $0 "${MAIN_CLASS}" "${MAIN_TITLE}"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    StrCpy $1 0
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    ; SYNCHRONIZE is all that waiting needs.
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=15000
    ${If} $2 P<> 0
      System::Call "kernel32::WaitForSingleObject(p r2, i 15000)"
      System::Call "kernel32::CloseHandle(p r2)"
    ${EndIf}
    Call ${PREFIX}WaitForWindowToGo
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY`
      Abort
    ${EndIf}
  ${Loop}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM_FUNCTIONS ""
!insertmacro CLOSE_PROGRAM_FUNCTIONS "un."

; $LANGUAGE := the language of the earlier installation, French if none. The
; uninstaller speaks it too.
!macro READ_LANGUAGE
  ReadRegStr $LANGUAGE HKLM "${UNINSTALL_KEY}" "Language"
  ${If} $LANGUAGE == ""
    StrCpy $LANGUAGE ${LANG_FRENCH}
  ${EndIf}
!macroend

Function .onInit
  ; The plug-in answers "Admin" on Windows 95, 98 and Me, where anyone is.
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "$(NeedAdmin)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
  !insertmacro READ_LANGUAGE
  ${IfNot} ${Silent}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
FunctionEnd

Section "-Programme" SecProgram
  Call CloseProgram
  SetOutPath "$INSTDIR"
  File "${STAGE}/TorvaneXP.exe"
  File "${STAGE}/cpuinfo.exe"
  File "${STAGE}/LISEZMOI.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext all
  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\TorvaneXP.exe"
  CreateShortCut "${MENU_FOLDER}\$(UninstallLink).lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TorvaneXP.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Language" $LANGUAGE
SectionEnd

Function un.onInit
  !insertmacro READ_LANGUAGE
FunctionEnd

; The machine-wide values that the program writes (memory management,
; library unloading) were the user's own choice: they stay as they are.
Section "-un.Programme"
  Call un.CloseProgram
  ; The program's last save wrote its start-with-Windows value again.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  Delete "$INSTDIR\TorvaneXP.exe"
  Delete "$INSTDIR\cpuinfo.exe"
  Delete "$INSTDIR\LISEZMOI.txt"
  Delete "$INSTDIR\NewsFeed.inf"
  Delete "$TEMP\NewsFeed.inf"
  Delete "$INSTDIR\${UNINSTALLER}"
  SetShellVarContext all
  Delete "${MENU_FOLDER}\*.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Not emptied: the history may be kept here.
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.$(RemoveSettings)"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  SetShellVarContext current
  ; Windows 95 without Internet Explorer 4 has no application-data folder:
  ; the history is then beside the program.
  ${If} $APPDATA != ""
    Delete "$APPDATA\${PRODUCT}\historique.csv"
    RMDir "$APPDATA\${PRODUCT}"
  ${EndIf}
  Delete "$INSTDIR\historique.csv"
  RMDir "$INSTDIR"
SectionEnd

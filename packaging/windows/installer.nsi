; The installer of TRX61 Utility for 64-bit Windows. makensis is given STAGE (the staged
; installation), FILES (the uninstaller's list of it), OUTFILE and VERSION.
Unicode true
Target amd64-unicode
!include "x64.nsh"

!define PRODUCT "TRX61 Utility"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The TRX61 Utility developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The languages of the program. The installer speaks the user's Windows display language when
; it is one of them, English otherwise (English is loaded first: the default).
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\French.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Spanish.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"

; Our own words, in the same languages. The Start menu's guide is the one in the language the
; installer speaks: the user's.
LangString GuideShortcut ${LANG_ENGLISH} "User Guide"
LangString GuideShortcut ${LANG_FRENCH} "Guide de l'utilisateur"
LangString GuideShortcut ${LANG_SPANISH} "Guía del usuario"
LangString GuideShortcut ${LANG_GERMAN} "Benutzerhandbuch"
LangString GuideShortcut ${LANG_JAPANESE} "ユーザーガイド"
LangString GuideFile ${LANG_ENGLISH} "trx61v2.2_ug.pdf"
LangString GuideFile ${LANG_FRENCH} "trx61v2.2_ug_fr.pdf"
LangString GuideFile ${LANG_SPANISH} "trx61v2.2_ug_es.pdf"
LangString GuideFile ${LANG_GERMAN} "trx61v2.2_ug_de.pdf"
LangString GuideFile ${LANG_JAPANESE} "trx61v2.2_ug_ja.pdf"
; $R0 is the rule, $0 what netsh returned.
LangString FirewallFailed ${LANG_ENGLISH} "The firewall rule $R0 could not be added ($0): searches may find nothing."
LangString FirewallFailed ${LANG_FRENCH} "La règle de pare-feu $R0 n'a pas pu être ajoutée ($0) : la recherche risque de ne rien trouver."
LangString FirewallFailed ${LANG_SPANISH} "No se pudo añadir la regla del firewall $R0 ($0): puede que la búsqueda no encuentre nada."
LangString FirewallFailed ${LANG_GERMAN} "Die Firewall-Regel $R0 konnte nicht hinzugefügt werden ($0): Die Suche findet möglicherweise nichts."
LangString FirewallFailed ${LANG_JAPANESE} "ファイアウォール規則 $R0 を追加できませんでした（$0）。検索で何も見つからない可能性があります。"

; The access points' replies are broadcasts, which the firewall counts as inbound: an allow
; rule for each of our programs (UDP, by program path, on the networks a LAN uses) and no
; open port for anything else. Removed first, so that installing again keeps one rule.
!define NETSH '"$SYSDIR\netsh.exe" advfirewall firewall'
!macro DeleteFirewallRule NAME PROGRAM
  nsExec::ExecToLog '${NETSH} delete rule name="${NAME}" program="${PROGRAM}"'
  Pop $0
!macroend
!macro AddFirewallRule NAME PROGRAM
  !insertmacro DeleteFirewallRule "${NAME}" "${PROGRAM}"
  nsExec::ExecToLog '${NETSH} add rule name="${NAME}" dir=in action=allow program="${PROGRAM}" protocol=UDP profile=domain,private enable=yes'
  Pop $0
  StrCmp $0 "0" +3
    StrCpy $R0 "${NAME}"
    DetailPrint "$(FirewallFailed)"
!macroend

Function .onInit
  SetRegView 64
FunctionEnd

; The uninstaller speaks the language the installation was made in, and so finds the
; shortcuts by the names they were given.
Function un.onInit
  SetRegView 64
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallerLanguage"
  StrCmp $0 "" +2
    StrCpy $LANGUAGE $0
FunctionEnd

Section "Install"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  !insertmacro AddFirewallRule "${PRODUCT}" "$INSTDIR\trx61-utility.exe"
  !insertmacro AddFirewallRule "${PRODUCT} (trx61ctl)" "$INSTDIR\trx61ctl.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\trx61-utility.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(GuideShortcut).lnk" "$INSTDIR\Users Guide\$(GuideFile)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trx61-utility.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !insertmacro DeleteFirewallRule "${PRODUCT}" "$INSTDIR\trx61-utility.exe"
  !insertmacro DeleteFirewallRule "${PRODUCT} (trx61ctl)" "$INSTDIR\trx61ctl.exe"
!include "${FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\$(GuideShortcut).lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

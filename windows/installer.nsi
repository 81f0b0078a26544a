; The Windows installer of KORVELT Time Control, made with makensis by cmake/WindowsInstaller.cmake,
; which defines VERSION, STAGE (the installed folder to pack), OUTFILE, and writes the lists of
; files to install (files-install.nsh) and to remove (files-uninstall.nsh) beside this script's copy.
; The uninstaller removes exactly the files it installed, so anything a user kept in the program's
; folder stays.
; A 64-bit installer for 64-bit programs (Wine without 32-bit support runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "KORVELT Time Control"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FILE_TYPE "KORVELT.Schedule"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!include "MUI2.nsh"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\korvelt-time-control.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the program's languages: it starts with a choice of them, the system's
; language preselected, and the uninstaller speaks the one chosen.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_RESERVEFILE_LANGDLL
!include /CHARSET=UTF8 "languages.nsh"

Function .onInit
    SetRegView 64
    SetShellVarContext all
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Install"
    !include "files-install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\bin\korvelt-time-control.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk" "$INSTDIR\bin\korvelt-time-control-demo.exe"
    ; The guide in the language chosen, where there is one.
    StrCpy $0 "$INSTDIR\bin\$(GUIDE_FOLDER)Horalux.chm"
    IfFileExists $0 +2 0
    StrCpy $0 "$INSTDIR\bin\Horalux.chm"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(GUIDE_LINK).lnk" $0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk" "$INSTDIR\uninstall.exe"

    ; Data files open in the program. The type that .dat had before is kept and given back on
    ; uninstall.
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "$(FILE_TYPE_NAME)"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\bin\korvelt-time-control.exe,0"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\bin\korvelt-time-control.exe" "%1"'
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    StrCmp $0 "${FILE_TYPE}" +2 0
    WriteRegStr HKLM "Software\Classes\.dat" "KORVELT.Previous" $0
    WriteRegStr HKLM "Software\Classes\.dat" "" "${FILE_TYPE}"
    WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${FILE_TYPE}" ""

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KORVELT"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\korvelt-time-control.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "files-uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    !insertmacro DeleteGuideLinks
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    ; .dat goes back to the type it had, when it is still the program's.
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    StrCmp $0 "${FILE_TYPE}" 0 keepType
    ReadRegStr $1 HKLM "Software\Classes\.dat" "KORVELT.Previous"
    StrCmp $1 "" 0 +3
    DeleteRegValue HKLM "Software\Classes\.dat" ""
    Goto keepType
    WriteRegStr HKLM "Software\Classes\.dat" "" $1
keepType:
    DeleteRegValue HKLM "Software\Classes\.dat" "KORVELT.Previous"
    DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${FILE_TYPE}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat"
    DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

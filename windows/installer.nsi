; The Windows installer of KORVELT Time Control, made with makensis by cmake/WindowsInstaller.cmake,
; which defines VERSION, STAGE (the installed folder to pack), OUTFILE, SIZE_KB (the installed
; size) and ICON, and writes the lists of files to install (files-install.nsh) and to remove
; (files-uninstall.nsh), the licence and the change log beside this script's copy.
; The uninstaller removes exactly the files it installed, so anything a user kept in the program's
; folder stays.
;
; It installs for all users into Program Files (administrator rights) or for the current user
; alone into the user's programs folder (no administrator rights). On the command line:
;   /S               quiet
;   /AllUsers        for all users (the default for an administrator)
;   /CurrentUser     for the current user alone
;   /FILETYPE=0      leave the .dat file type alone (by default .dat files open in the program)
;   /PATH=1          add the program's bin folder to PATH (off by default)
;   /D=folder        the folder to install into (last, without quotes)
; A 64-bit installer for 64-bit programs (Wine without 32-bit support runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "KORVELT Time Control"
!define PUBLISHER "KORVELT"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FILE_TYPE "KORVELT.Schedule"
!define PROGRAM "bin\korvelt-time-control.exe"
!define HOMEPAGE "https://korvelt.example.com/time-control/"
!define SYSTEM_ENVIRONMENT "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

; All users (administrator) or the current user alone, from the page or the command line.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_NOUNINSTALL
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "WinMessages.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "wizard.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "header.bmp"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "licence.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page starts the program as the user who logged on, not elevated, and offers the
; change log.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\changes.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(SHOW_CHANGES)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the program's languages: it starts with a choice of them, the system's
; language preselected, and the uninstaller speaks the one chosen.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
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

Var previousDir


Function RunProgram
    ; Explorer starts it with the rights of the user logged on.
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PROGRAM}"'
FunctionEnd

; Files of the installed version that are in use cannot be replaced: ask until the program is
; closed (a quiet install gives up with an error).
!macro WaitUntilClosed FILE
    ${DoWhile} ${FileExists} "${FILE}"
        ClearErrors
        FileOpen $0 "${FILE}" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(PROGRAM_RUNNING)" /SD IDCANCEL IDRETRY +3
        SetErrorLevel 5
        Quit
    ${Loop}
!macroend

Section "-${PRODUCT}" secProgram
    SectionIn RO
    ; An installed version (this one or an older one) is uninstalled first, with its own
    ; uninstaller, which keeps the user's settings and files; the new one takes its place.
    ReadRegStr $previousDir SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $previousDir != ""
    ${AndIf} ${FileExists} "$previousDir\uninstall.exe"
        !insertmacro WaitUntilClosed "$previousDir\${PROGRAM}"
        !insertmacro WaitUntilClosed "$previousDir\bin\korvelt-time-control-demo.exe"
        !insertmacro WaitUntilClosed "$previousDir\bin\korveltctl.exe"
        DetailPrint "$(REMOVING_PREVIOUS)"
        ExecWait '"$previousDir\uninstall.exe" /S /UPGRADE _?=$previousDir'
        Delete "$previousDir\uninstall.exe"
        RMDir "$previousDir"
    ${EndIf}

    !include "files-install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk" "$INSTDIR\bin\korvelt-time-control-demo.exe"
    ; The guide in the language chosen, where there is one (English: .\, the folder itself).
    StrCpy $0 "$INSTDIR\bin\$(GUIDE_FOLDER)Horalux.chm"
    IfFileExists $0 +2 0
    StrCpy $0 "$INSTDIR\bin\Horalux.chm"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(GUIDE_LINK).lnk" $0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk" "$INSTDIR\uninstall.exe" "_?=$INSTDIR"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; The uninstaller runs in its folder (_?=), so that it returns only when it is done: started
    ; without it, it would copy itself elsewhere, start the copy and return at once.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "$(SECTION_FILE_TYPE)" secFileType
    ; Data files open in the program. The type that .dat had before is kept and given back on
    ; uninstall.
    WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}" "" "$(FILE_TYPE_NAME)"
    WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\${PROGRAM},0"
    WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'
    ReadRegStr $0 SHCTX "Software\Classes\.dat" ""
    StrCmp $0 "${FILE_TYPE}" +2 0
    WriteRegStr SHCTX "Software\Classes\.dat" "KORVELT.Previous" $0
    WriteRegStr SHCTX "Software\Classes\.dat" "" "${FILE_TYPE}"
    WriteRegStr SHCTX "Software\Classes\.dat\OpenWithProgids" "${FILE_TYPE}" ""
SectionEnd

Section /o "$(SECTION_PATH)" secPath
    Call AddToPath
SectionEnd

; The bin folder joins PATH (the system's or the user's, as installed), once. PATH is left alone
; when it is too long for the installer to handle whole.
Function AddToPath
    ${If} $MultiUser.InstallMode == "AllUsers"
        ReadRegStr $0 HKLM "${SYSTEM_ENVIRONMENT}" "Path"
    ${Else}
        ReadRegStr $0 HKCU "Environment" "Path"
    ${EndIf}
    StrLen $1 $0
    ${If} $1 > 900
        DetailPrint "$(PATH_TOO_LONG)"
        Return
    ${EndIf}
    ${WordFind} ";$0;" ";$INSTDIR\bin;" "E#" $1
    ${If} ${Errors}
        ${If} $0 == ""
            StrCpy $0 "$INSTDIR\bin"
        ${Else}
            StrCpy $0 "$0;$INSTDIR\bin"
        ${EndIf}
        ${If} $MultiUser.InstallMode == "AllUsers"
            WriteRegExpandStr HKLM "${SYSTEM_ENVIRONMENT}" "Path" $0
        ${Else}
            WriteRegExpandStr HKCU "Environment" "Path" $0
        ${EndIf}
        WriteRegStr SHCTX "${UNINSTALL_KEY}" "AddedToPath" "$INSTDIR\bin"
        SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    ${EndIf}
FunctionEnd

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/FILETYPE=" $R1
    ${IfNot} ${Errors}
    ${AndIf} $R1 == "0"
        SectionSetFlags ${secFileType} 0
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/PATH=" $R1
    ${IfNot} ${Errors}
    ${AndIf} $R1 == "1"
        SectionSetFlags ${secPath} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Var uninstallMode

Function un.onInit
    SetRegView 64
    ; Installed for the current user when the current user's entry names this folder.
    SetShellVarContext all
    StrCpy $uninstallMode "AllUsers"
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext current
        StrCpy $uninstallMode "CurrentUser"
    ${EndIf}
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
    !include "files-uninstall.nsh"

    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    !insertmacro DeleteGuideLinks
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    ; .dat goes back to the type it had, when it is still the program's.
    ReadRegStr $0 SHCTX "Software\Classes\.dat" ""
    StrCmp $0 "${FILE_TYPE}" 0 keepType
    ReadRegStr $1 SHCTX "Software\Classes\.dat" "KORVELT.Previous"
    StrCmp $1 "" 0 +3
    DeleteRegValue SHCTX "Software\Classes\.dat" ""
    Goto keepType
    WriteRegStr SHCTX "Software\Classes\.dat" "" $1
keepType:
    DeleteRegValue SHCTX "Software\Classes\.dat" "KORVELT.Previous"
    DeleteRegValue SHCTX "Software\Classes\.dat\OpenWithProgids" "${FILE_TYPE}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.dat\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.dat"
    DeleteRegKey SHCTX "Software\Classes\${FILE_TYPE}"

    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 != ""
        Push $0
        Call un.RemoveFromPath
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    ; The uninstaller runs from its folder so that whoever started it can wait for it, and so it
    ; cannot delete itself: Windows deletes it, and then the folder when empty, at the next
    ; start. An installer that replaces this version with another deletes it itself.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/UPGRADE" $1
    ${If} ${Errors}
        Delete /REBOOTOK "$INSTDIR\uninstall.exe"
        RMDir /REBOOTOK "$INSTDIR"
    ${EndIf}
    RMDir "$INSTDIR"
SectionEnd

; Takes the folder off PATH again, wherever it stands in it.
Function un.RemoveFromPath
    Pop $1
    ${If} $uninstallMode == "AllUsers"
        ReadRegStr $0 HKLM "${SYSTEM_ENVIRONMENT}" "Path"
    ${Else}
        ReadRegStr $0 HKCU "Environment" "Path"
    ${EndIf}
    StrLen $2 $0
    ${If} $2 > 900
        Return
    ${EndIf}
    ${un.WordReplace} ";$0;" ";$1;" ";" "+" $0
    StrCpy $0 $0 "" 1
    StrCpy $0 $0 -1
    ${If} $uninstallMode == "AllUsers"
        WriteRegExpandStr HKLM "${SYSTEM_ENVIRONMENT}" "Path" $0
    ${Else}
        WriteRegExpandStr HKCU "Environment" "Path" $0
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd

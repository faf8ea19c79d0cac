; SPDX-License-Identifier: MIT
; The Windows installer, in Polish. For the user who runs it by default, without administrator
; rights; for every user of the computer when chosen on its first page or given /AllUsers (as
; an administrator). /S installs silently, as for a whole computer room:
;   falorys-VERSION-setup.exe /S [/AllUsers] [/D=FOLDER]
; Made by the build (cmake/Windows.cmake):
;   makensis -DVERSION=X.Y.Z -DPUBLISHER=... -DPROGRAM=falorys.exe -DICON=falorys.ico
;            -DOUTFILE=setup.exe falorys.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Falorys"
!define DESCRIPTION "Dyfrakcja i interferencja na dwóch szczelinach"
!define SHORTCUT "$SMPROGRAMS\Falorys.lnk"
!define PRESENTATION_SHORTCUT "$SMPROGRAMS\Falorys — tryb prezentacji.lnk"

Name "Falorys"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Falorys"
BrandingText "Falorys ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1045 "ProductName" "Falorys"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu Falorys"
VIAddVersionKey /LANG=1045 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "MIT"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

Var AllUsers
Var UserFolder
Var ForMe
Var ForAll

Page custom InstallModePage InstallModeLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\falorys.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

!define NEEDS_ADMIN "Instalacja dla wszystkich użytkowników wymaga uprawnień administratora. \
Uruchom instalator jako administrator albo zainstaluj program tylko dla siebie."

; Whether the installer runs with an administrator's rights (elevated).
!macro IsAdmin result
    UserInfo::GetAccountType
    Pop ${result}
!macroend

; Start menu, folder and "Apps & features" entry of the chosen users.
Function UseInstallMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        ${If} $INSTDIR == $UserFolder
            StrCpy $INSTDIR "$PROGRAMFILES64\Falorys"
        ${EndIf}
    ${Else}
        SetShellVarContext current
        ${If} $INSTDIR == "$PROGRAMFILES64\Falorys"
            StrCpy $INSTDIR $UserFolder
        ${EndIf}
    ${EndIf}
FunctionEnd

Function .onInit
    StrCpy $UserFolder "$LOCALAPPDATA\Programs\Falorys"
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
        !insertmacro IsAdmin $0
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP "${NEEDS_ADMIN}" /SD IDOK
            SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
    ${EndIf}
    Call UseInstallMode
FunctionEnd

Function InstallModePage
    !insertmacro MUI_HEADER_TEXT "Wybierz użytkowników" \
        "Wybierz, dla kogo zainstalować program Falorys."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Program można zainstalować tylko dla siebie, bez \
uprawnień administratora, albo dla wszystkich użytkowników tego komputera."
    Pop $0
    ${NSD_CreateRadioButton} 10u 34u 100% 12u "Tylko dla mnie"
    Pop $ForMe
    ${NSD_CreateRadioButton} 10u 50u 100% 12u \
        "Dla wszystkich użytkowników (wymaga uprawnień administratora)"
    Pop $ForAll
    ${If} $AllUsers == 1
        ${NSD_Check} $ForAll
    ${Else}
        ${NSD_Check} $ForMe
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function InstallModeLeave
    ${NSD_GetState} $ForAll $0
    ${If} $0 == ${BST_CHECKED}
        !insertmacro IsAdmin $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONEXCLAMATION "${NEEDS_ADMIN}"
            Abort
        ${EndIf}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call UseInstallMode
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "/oname=falorys.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\falorys.exe" "" "$INSTDIR\falorys.exe" 0 \
        SW_SHOWNORMAL "" "${DESCRIPTION}"
    CreateShortcut "${PRESENTATION_SHORTCUT}" "$INSTDIR\falorys.exe" "--scale fit" \
        "$INSTDIR\falorys.exe" 0 SW_SHOWNORMAL "" "${DESCRIPTION}, w największym rozmiarze"

    ; SHCTX: the current user's registry, or the computer's for all users.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Falorys"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Comments" "${DESCRIPTION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "https://falorys.org/"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\falorys.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller finds out from the computer's registry whether it was installed for all.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro IsAdmin $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "Program zainstalowano dla wszystkich użytkowników: \
odinstalowanie wymaga uprawnień administratora." /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${Else}
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; Only what the installer made, so that nothing of the user's is lost and nothing stays.
Section "Uninstall"
    Delete "${SHORTCUT}"
    Delete "${PRESENTATION_SHORTCUT}"
    Delete "$INSTDIR\falorys.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ${If} $AllUsers == 0
        RMDir "$LOCALAPPDATA\Programs" ; made by the installer when it was not there, if empty
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; Made by the installer where no program had an entry yet.
    DeleteRegKey /ifempty SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd

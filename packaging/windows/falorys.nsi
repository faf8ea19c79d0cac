; SPDX-License-Identifier: MIT
; The Windows installer, in Polish, Ukrainian or English as Windows speaks (Polish otherwise). For the user who runs it by default, without administrator
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
; The first is the one for a Windows in any other language.
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "English"

LangString DESCRIPTION ${LANG_POLISH} "Dyfrakcja i interferencja na dwóch szczelinach"
LangString DESCRIPTION ${LANG_UKRAINIAN} "Дифракція та інтерференція на двох щілинах"
LangString DESCRIPTION ${LANG_ENGLISH} "Diffraction and interference at two slits"
LangString LARGEST ${LANG_POLISH} "w największym rozmiarze"
LangString LARGEST ${LANG_UKRAINIAN} "у найбільшому розмірі"
LangString LARGEST ${LANG_ENGLISH} "at the largest size"
LangString NEEDS_ADMIN ${LANG_POLISH} "Instalacja dla wszystkich użytkowników wymaga uprawnień \
administratora. Uruchom instalator jako administrator albo zainstaluj program tylko dla siebie."
LangString NEEDS_ADMIN ${LANG_UKRAINIAN} "Встановлення для всіх користувачів потребує прав \
адміністратора. Запустіть інсталятор як адміністратор або встановіть програму лише для себе."
LangString NEEDS_ADMIN ${LANG_ENGLISH} "Installing for all users needs administrator rights. \
Run the installer as an administrator or install the program for yourself only."
LangString USERS_TITLE ${LANG_POLISH} "Wybierz użytkowników"
LangString USERS_TITLE ${LANG_UKRAINIAN} "Виберіть користувачів"
LangString USERS_TITLE ${LANG_ENGLISH} "Choose users"
LangString USERS_SUBTITLE ${LANG_POLISH} "Wybierz, dla kogo zainstalować program Falorys."
LangString USERS_SUBTITLE ${LANG_UKRAINIAN} "Виберіть, для кого встановити програму Falorys."
LangString USERS_SUBTITLE ${LANG_ENGLISH} "Choose whom to install Falorys for."
LangString USERS_TEXT ${LANG_POLISH} "Program można zainstalować tylko dla siebie, bez \
uprawnień administratora, albo dla wszystkich użytkowników tego komputera."
LangString USERS_TEXT ${LANG_UKRAINIAN} "Програму можна встановити лише для себе, без прав \
адміністратора, або для всіх користувачів цього комп’ютера."
LangString USERS_TEXT ${LANG_ENGLISH} "The program can be installed for yourself only, without \
administrator rights, or for all users of this computer."
LangString FOR_ME ${LANG_POLISH} "Tylko dla mnie"
LangString FOR_ME ${LANG_UKRAINIAN} "Лише для мене"
LangString FOR_ME ${LANG_ENGLISH} "For me only"
LangString FOR_ALL ${LANG_POLISH} "Dla wszystkich użytkowników (wymaga uprawnień administratora)"
LangString FOR_ALL ${LANG_UKRAINIAN} "Для всіх користувачів (потрібні права адміністратора)"
LangString FOR_ALL ${LANG_ENGLISH} "For all users (needs administrator rights)"
LangString UNINSTALL_NEEDS_ADMIN ${LANG_POLISH} "Program zainstalowano dla wszystkich \
użytkowników: odinstalowanie wymaga uprawnień administratora."
LangString UNINSTALL_NEEDS_ADMIN ${LANG_UKRAINIAN} "Програму встановлено для всіх \
користувачів: для видалення потрібні права адміністратора."
LangString UNINSTALL_NEEDS_ADMIN ${LANG_ENGLISH} "The program was installed for all users: \
uninstalling it needs administrator rights."

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
            MessageBox MB_ICONSTOP "$(NEEDS_ADMIN)" /SD IDOK
            SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
    ${EndIf}
    Call UseInstallMode
FunctionEnd

Function InstallModePage
    !insertmacro MUI_HEADER_TEXT "$(USERS_TITLE)" "$(USERS_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "$(USERS_TEXT)"
    Pop $0
    ${NSD_CreateRadioButton} 10u 34u 100% 12u "$(FOR_ME)"
    Pop $ForMe
    ${NSD_CreateRadioButton} 10u 50u 100% 12u "$(FOR_ALL)"
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
            MessageBox MB_ICONEXCLAMATION "$(NEEDS_ADMIN)"
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
        SW_SHOWNORMAL "" "$(DESCRIPTION)"
    CreateShortcut "${PRESENTATION_SHORTCUT}" "$INSTDIR\falorys.exe" "--scale fit" \
        "$INSTDIR\falorys.exe" 0 SW_SHOWNORMAL "" "$(DESCRIPTION), $(LARGEST)"

    ; SHCTX: the current user's registry, or the computer's for all users.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Falorys"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Comments" "$(DESCRIPTION)"
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
            MessageBox MB_ICONSTOP "$(UNINSTALL_NEEDS_ADMIN)" /SD IDOK
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

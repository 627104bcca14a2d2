; The Windows installer: makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DPROGRAMS=folder
;   -DICON=file.ico -DOUTFILE=setup.exe morvalent.nsi (scripts/package-windows does this).
; For the current user without administrator rights by default; for all users when
; started as administrator or with /ALLUSERS (/CURRENTUSER forces the former).
; /S installs silently. Texts the user reads are Korean; what Windows shows to
; administrators (file properties, the programs list's publisher) is English.

Unicode true
Target amd64-unicode
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define PRODUCT "Morvalent"
!define PUBLISHER "Morvalent developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvalent"
; The same key name and caption as `morvalent-cli --install-file-manager-actions`,
; so an installed copy and a copy registered by hand share one menu entry.
!define VERB "Morvalent"
!define VERB_CAPTION "Morvalent로 이름 바꾸기"
!define WINDOW_CLASS "MorvalentMainWindow"
!define USER_ENVIRONMENT "Environment"
!define MACHINE_ENVIRONMENT "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
; Predefined registry roots, for the calls NSIS has no instruction for.
!define HKCU_HANDLE 0x80000001
!define HKLM_HANDLE 0x80000002

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

Var AllUsers      ; 1: for every user (HKLM, Program Files), 0: this user only
Var RootHandle    ; the registry root of the mode, for system calls
Var Environment   ; the key holding the mode's PATH
Var ModeText      ; the welcome page's word on the mode

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Morvalent ${VERSION} 설치"
!define MUI_WELCOMEPAGE_TEXT "Morvalent는 여러 파일과 폴더의 이름을 한 번에 바꾸는 프로그램입니다.$\r$\n$\r$\n설치하면 시작 메뉴와 '보내기' 메뉴에 Morvalent가 생기고, 파일 탐색기에서 파일이나 폴더를 오른쪽 단추로 누르면 '${VERB_CAPTION}'이 나옵니다. 명령 프롬프트에서는 morvalent-cli를 쓸 수 있습니다.$\r$\n$\r$\n$ModeText$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN "$INSTDIR\morvalent.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Morvalent 실행"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Korean"

LangString NeedsAdministrator ${LANG_KOREAN} "모든 사용자용으로 설치하거나 제거하려면 관리자 권한으로 실행하십시오."
LangString WindowOpen ${LANG_KOREAN} "Morvalent 창이 열려 있습니다. 창을 닫은 뒤 '다시 시도'를 누르십시오."
LangString ForThisUser ${LANG_KOREAN} "이 사용자용으로 설치합니다 (관리자 권한이 필요 없습니다). 모든 사용자용으로 설치하려면 설치 프로그램을 관리자 권한으로 실행하십시오."
LangString ForAllUsers ${LANG_KOREAN} "관리자 권한으로 실행되어 이 컴퓨터의 모든 사용자용으로 설치합니다."
LangString PathTooLong ${LANG_KOREAN} "PATH 환경 변수가 너무 길거나 읽을 수 없는 형식이라 그대로 두었습니다. 명령 프롬프트에서 morvalent-cli를 쓰려면 다음 폴더를 PATH에 직접 넣으십시오:$\r$\n$INSTDIR"
LangString PathLeft ${LANG_KOREAN} "PATH 환경 변수가 너무 길거나 읽을 수 없는 형식이라 그대로 두었습니다. 다음 폴더는 PATH에서 직접 빼십시오:$\r$\n$INSTDIR"
LangString PathAdded ${LANG_KOREAN} "PATH에 추가: $INSTDIR"
LangString PathRemoved ${LANG_KOREAN} "PATH에서 뺌: $INSTDIR"

; ---------------------------------------------------------------------------
; The mode, and the places that follow from it.

!macro SET_MODE UN
Function ${UN}SetMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $RootHandle ${HKLM_HANDLE}
        StrCpy $Environment "${MACHINE_ENVIRONMENT}"
    ${Else}
        SetShellVarContext current
        StrCpy $RootHandle ${HKCU_HANDLE}
        StrCpy $Environment "${USER_ENVIRONMENT}"
    ${EndIf}
FunctionEnd

; Running as administrator, elevated: only then can HKLM and Program Files be written.
Function ${UN}IsAdministrator
    Push $0
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
    Exch $0
FunctionEnd

; The open window holds its program file; replacing or deleting it would fail.
Function ${UN}WaitForClosedWindow
    Push $0
    ${Do}
        FindWindow $0 "${WINDOW_CLASS}"
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(WindowOpen)" /SD IDCANCEL IDRETRY +3
        SetErrorLevel 5  ; ERROR_ACCESS_DENIED: a silent run says it did nothing
        Quit
    ${Loop}
    Pop $0
FunctionEnd
!macroend
!insertmacro SET_MODE ""
!insertmacro SET_MODE "un."

; ---------------------------------------------------------------------------
; PATH. NSIS strings hold at most ${NSIS_MAX_STRLEN} characters: a PATH that does
; not fit is never written back (it would come back cut short), only reported.

!macro PATH_FUNCTIONS UN
; In: $R0 the list, $R1 the folder. Out: $R2 the list without the folder (with or
; without a closing backslash, in any case), $R3 how often it was there. Every
; other entry, empty ones too, stays as it was, in its order.
Function ${UN}WithoutEntry
    Push $R4  ; the entry being read
    Push $R5  ; position
    Push $R6  ; character
    Push $R7  ; 1 once an entry has been kept
    StrCpy $R2 ""
    StrCpy $R3 0
    StrCpy $R4 ""
    StrCpy $R5 0
    StrCpy $R7 0
    ${Do}
        StrCpy $R6 $R0 1 $R5
        ${If} $R6 == ";"
        ${OrIf} $R6 == ""
            ${If} $R4 == $R1
            ${OrIf} $R4 == "$R1\"
                IntOp $R3 $R3 + 1
            ${ElseIf} $R7 == 1
                StrCpy $R2 "$R2;$R4"
            ${Else}
                StrCpy $R2 $R4
                StrCpy $R7 1
            ${EndIf}
            StrCpy $R4 ""
            ${If} $R6 == ""
                ${Break}
            ${EndIf}
        ${Else}
            StrCpy $R4 "$R4$R6"
        ${EndIf}
        IntOp $R5 $R5 + 1
    ${Loop}
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
FunctionEnd

; Out: $R0 the mode's PATH ("" when there is none), $R8 1 when it was read whole.
Function ${UN}ReadPath
    Push $R5
    Push $R6
    StrCpy $R8 1
    ClearErrors
    ReadRegStr $R0 SHCTX $Environment "Path"
    ${If} ${Errors}
        ; Missing, or too long or not text: only a missing one may be written anew.
        StrCpy $R5 0
        ${Do}
            ClearErrors
            EnumRegValue $R6 SHCTX $Environment $R5
            ${If} ${Errors}
            ${OrIf} $R6 == ""
                ${Break}
            ${EndIf}
            ${If} $R6 == "Path"
                StrCpy $R8 0
                ${Break}
            ${EndIf}
            IntOp $R5 $R5 + 1
        ${Loop}
        StrCpy $R0 ""
    ${EndIf}
    Pop $R6
    Pop $R5
FunctionEnd

Function ${UN}AnnounceEnvironment
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd
!macroend
!insertmacro PATH_FUNCTIONS ""
!insertmacro PATH_FUNCTIONS "un."

Function AddToPath
    Call ReadPath
    ${If} $R8 != 1
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    StrCpy $R1 $INSTDIR
    Call WithoutEntry
    ${If} $R3 > 0
        Return  ; already there
    ${EndIf}
    StrLen $R5 $R0
    StrLen $R6 $INSTDIR
    IntOp $R5 $R5 + $R6
    IntOp $R6 ${NSIS_MAX_STRLEN} - 2  ; the separator and the closing zero
    ${If} $R5 >= $R6
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    ${If} $R0 == ""
        StrCpy $R0 $INSTDIR
    ${Else}
        StrCpy $R6 $R0 1 -1
        ${If} $R6 == ";"
            StrCpy $R0 "$R0$INSTDIR"
        ${Else}
            StrCpy $R0 "$R0;$INSTDIR"
        ${EndIf}
    ${EndIf}
    ; Expandable, as Windows keeps it: entries like %USERPROFILE%\bin keep working.
    WriteRegExpandStr SHCTX $Environment "Path" $R0
    DetailPrint "$(PathAdded)"
    Call AnnounceEnvironment
FunctionEnd

Function un.RemoveFromPath
    Call un.ReadPath
    ${If} $R8 != 1
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(PathLeft)" /SD IDOK
        Return
    ${EndIf}
    StrCpy $R1 $INSTDIR
    Call un.WithoutEntry
    ${If} $R3 == 0
        Return
    ${EndIf}
    ${If} $R2 == ""
        DeleteRegValue SHCTX $Environment "Path"
    ${Else}
        WriteRegExpandStr SHCTX $Environment "Path" $R2
    ${EndIf}
    DetailPrint "$(PathRemoved)"
    Call un.AnnounceEnvironment
FunctionEnd

; ---------------------------------------------------------------------------
; Explorer's verb on files (*), folders (Directory) and a folder's background.

!macro WRITE_VERB CLASS ARGUMENT MANY
    WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\${VERB}" "" "${VERB_CAPTION}"
    WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\${VERB}" "Icon" "$INSTDIR\morvalent.exe,0"
    !if "${MANY}" == "1"
        ; Offered for any number of items, not only up to 15; each starts one
        ; morvalent.exe, and the open window gathers them all.
        WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\${VERB}" "MultiSelectModel" "Player"
    !endif
    WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\${VERB}\command" "" '"$INSTDIR\morvalent.exe" "${ARGUMENT}"'
!macroend

; Deletes the key when nothing is left in it (no subkeys, no values).
!macro DELETE_EMPTY_KEY KEY
    System::Call 'shlwapi::SHDeleteEmptyKeyW(p $RootHandle, w "${KEY}") i'
!macroend

!macro DELETE_VERB CLASS
    DeleteRegKey SHCTX "Software\Classes\${CLASS}\shell\${VERB}"
    !insertmacro DELETE_EMPTY_KEY "Software\Classes\${CLASS}\shell"
    !insertmacro DELETE_EMPTY_KEY "Software\Classes\${CLASS}"
!macroend

; ---------------------------------------------------------------------------

Function .onInit
    ${GetParameters} $R0
    Call IsAdministrator
    Pop $R1
    StrCpy $AllUsers $R1
    ClearErrors
    ${GetOptions} $R0 "/ALLUSERS" $R2
    ${IfNot} ${Errors}
        ${If} $R1 != 1
            MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
            SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CURRENTUSER" $R2
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    Call SetMode
    ${If} $AllUsers == 1
        StrCpy $ModeText "$(ForAllUsers)"
    ${Else}
        StrCpy $ModeText "$(ForThisUser)"
    ${EndIf}
    ${If} $INSTDIR == ""  ; not given with /D=
        ${If} $AllUsers == 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
    Call WaitForClosedWindow
FunctionEnd

Section "Morvalent"
    SetOutPath "$INSTDIR"
    File "${PROGRAMS}\morvalent.exe"
    File "${PROGRAMS}\morvalent-cli.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\morvalent.exe" "" "$INSTDIR\morvalent.exe" 0
    ; Send To hands the whole selection to one start of the program.
    CreateShortcut "$SENDTO\${PRODUCT}.lnk" "$INSTDIR\morvalent.exe" "" "$INSTDIR\morvalent.exe" 0

    !insertmacro WRITE_VERB "*" "%1" 1
    !insertmacro WRITE_VERB "Directory" "%1" 1
    !insertmacro WRITE_VERB "Directory\Background" "%V" 0

    Call AddToPath

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvalent.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------------------

Function un.onInit
    ; Installed for all users when the machine's entry names this folder.
    StrCpy $AllUsers 0
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR
        StrCpy $AllUsers 1
        Call un.IsAdministrator
        Pop $R1
        ${If} $R1 != 1
            MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
    ${EndIf}
    Call un.SetMode
    Call un.WaitForClosedWindow
FunctionEnd

; Takes away exactly what the install put there. The user's commit history and
; recent recipes (%LOCALAPPDATA%\Morvalent) are theirs and stay.
Section "Uninstall"
    Delete "$INSTDIR\morvalent.exe"
    Delete "$INSTDIR\morvalent-cli.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ${If} $AllUsers == 0
        RMDir "$LOCALAPPDATA\Programs"  ; only when nothing else is in it
    ${EndIf}

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SENDTO\${PRODUCT}.lnk"

    !insertmacro DELETE_VERB "*"
    !insertmacro DELETE_VERB "Directory\Background"
    !insertmacro DELETE_VERB "Directory"

    Call un.RemoveFromPath

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

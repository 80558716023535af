; The installer of the window and the command line for Windows, made with NSIS by
; scripts/windows-window.sh:
;   makensis -DVERSION=1.1.0 -DHOME_PAGE=http://... -DFILES=files.nsh -DUNFILES=unfiles.nsh
;            -DOUTFILE=shrink2d-1.1.0-setup.exe installer.nsi
; FILES installs each file of the program's folder, UNFILES deletes exactly those files.
;
; By default it installs for the current user, with no administrator rights, into
; %LOCALAPPDATA%\Programs\shrink2d; when the user says so at the start, or with /AllUsers, for
; everyone into Program Files, which needs them. /S installs silently; /D=FOLDER picks the folder.
; The uninstaller removes the files, the Start-menu entry and the Apps & features entry it made,
; and nothing else.
;
; A 64-bit installer for a 64-bit program. Debian's NSIS has its plugins for 32-bit installers
; only, so this one uses none: its pages are MUI's own, and it asks for rights by trying them.
Target amd64-unicode
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh

!define NAME "澄数2D缩水软件"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\shrink2d"
; Windows' code for "the requested operation requires elevation"
!define ERROR_ELEVATION_REQUIRED 740

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "shrink2d ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Var AllUsers
Var DefaultDir

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "shrink2d"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${NAME} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "澄数"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (c) 2026 the shrink2d authors, MIT License"

; Everything that differs between the two kinds of installation: the folders the shell names
; ($SMPROGRAMS), the registry root (SHCTX) and the default folder, unless /D or the user named one.
Function UseScope
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $R9 "$PROGRAMFILES64\shrink2d"
    ${Else}
        SetShellVarContext current
        StrCpy $R9 "$LOCALAPPDATA\Programs\shrink2d"
    ${EndIf}
    ${If} $INSTDIR == ""
    ${OrIf} $INSTDIR == $DefaultDir
        StrCpy $INSTDIR $R9
    ${EndIf}
    StrCpy $DefaultDir $R9
FunctionEnd

; Whether this process may write where an installation for everyone is recorded: $R8 1 or 0.
!macro MayInstallForEveryone un
Function ${un}MayInstallForEveryone
    ClearErrors
    WriteRegStr HKLM "${UNINSTALL_KEY}" "WriteTest" "1"
    ${If} ${Errors}
        StrCpy $R8 0
    ${Else}
        StrCpy $R8 1
        DeleteRegValue HKLM "${UNINSTALL_KEY}" "WriteTest"
        DeleteRegKey /ifempty HKLM "${UNINSTALL_KEY}"
    ${EndIf}
FunctionEnd
!macroend
!insertmacro MayInstallForEveryone ""
!insertmacro MayInstallForEveryone "un."

Function .onInit
    SetRegView 64
    StrCpy $AllUsers 0
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${ElseIfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION "只为您自己安装${NAME}吗？（不需要管理员权限）$\r$\n$\r$\n选“否”则为这台电脑的所有用户安装，需要管理员权限。" IDYES done
        StrCpy $AllUsers 1
        done:
    ${EndIf}
    ${If} $AllUsers == 1
        Call MayInstallForEveryone
        ${If} $R8 == 0
            ${If} ${Silent}
                SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            ${Else}
                ; Started again with the rights it needs; Windows asks the user first.
                ExecShell "runas" "$EXEPATH" "/AllUsers"
            ${EndIf}
            Quit
        ${EndIf}
    ${EndIf}
    Call UseScope
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\shrink2d.exe"

    ${If} $AllUsers == 1
        StrCpy $R0 '"$INSTDIR\uninstall.exe" /AllUsers'
    ${Else}
        StrCpy $R0 '"$INSTDIR\uninstall.exe"'
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\shrink2d.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "澄数"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$R0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" "$R0 /S"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R1
SectionEnd

Function un.onInit
    SetRegView 64
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${If} ${Errors}
        SetShellVarContext current
    ${Else}
        Call un.MayInstallForEveryone
        ${If} $R8 == 0
            ${IfNot} ${Silent}
                MessageBox MB_ICONSTOP "这份${NAME}是为所有用户安装的，卸载需要管理员权限。"
            ${EndIf}
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section Uninstall
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: files the user put there stay, and so does their folder. So does the
    ; folder of the user's programs, unless the installer made it and left nothing else there.
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

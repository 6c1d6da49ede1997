; Tarvolin's Windows installer, made by scripts/windows-package with Debian's makensis:
;   makensis -DVERSION=… -DFILES=files.nsh -DUNFILES=unfiles.nsh -DOUTFILE=… -DICON=… installer.nsi
; For the current user (default, no administrator rights) or for all users; silent with /S,
; the folder with /D=C:\Folder (last, unquoted); /AllUsers or /CurrentUser choose the mode.
; The uninstaller removes exactly the files the installer wrote, and leaves the user's settings,
; libraries and pictures where they are.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define APP "Tarvolin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvolin"

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarvolin.exe"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the Windows display language when it is Simplified Chinese.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

; The Start-menu names: on a Chinese Windows the program is found under its Chinese name too.
LangString SHORTCUT ${LANG_ENGLISH} "Tarvolin"
LangString SHORTCUT ${LANG_SIMPCHINESE} "混凝土本构 Tarvolin"
LangString UNSHORTCUT ${LANG_ENGLISH} "Uninstall Tarvolin"
LangString UNSHORTCUT ${LANG_SIMPCHINESE} "卸载 Tarvolin"

; /D=folder puts the folder into $INSTDIR before .onInit runs; MultiUser would put its own
; default in its place (and uses $0 and friends), so the one given is kept aside and wins.
Var GivenDir

Function .onInit
  StrCpy $GivenDir $INSTDIR
  !insertmacro MULTIUSER_INIT
  StrCmp $GivenDir "" +2
    StrCpy $INSTDIR $GivenDir
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Tarvolin"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\$(SHORTCUT).lnk" "$INSTDIR\tarvolin.exe"
  CreateShortcut "$SMPROGRAMS\${APP}\$(UNSHORTCUT).lnk" "$INSTDIR\uninstall.exe"
  ; The names as made, for the uninstaller: the language may differ when it runs.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "ShortcutName" "$(SHORTCUT)"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallShortcutName" "$(UNSHORTCUT)"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP} ${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarvolin.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quessel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "ShortcutName"
  ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "UninstallShortcutName"
  Delete "$SMPROGRAMS\${APP}\$0.lnk"
  Delete "$SMPROGRAMS\${APP}\$1.lnk"
  RMDir "$SMPROGRAMS\${APP}"

  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: a file the user put into the folder keeps it, and the folder, in place.
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

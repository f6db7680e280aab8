; The installer of Tagmora Professional, made by makensis from the staged program folder:
;   makensis -DVERSION=3.32 -DSTAGE=<staged folder> -DUNINSTALL_LIST=<file.nsh> -DICON=<tagmora.ico>
;            -DOUTFILE=<setup.exe> tagmora.nsi
; It installs for the current user only, with no administrator rights, into a folder the user can write:
; the program keeps "wm.dat" and PRINTED\ beside itself, which would fail under Program Files.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Tagmora Professional"
!define PUBLISHER "Ostrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TagmoraProfessional"
!define FILE_TYPE "Tagmora.SetupFile"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; SHCNE_ASSOCCHANGED: Explorer reads the file types again, so the new icon and verbs show at once.
!define NotifyShellOfAssociations `System::Call "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"`

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${UNINSTALL_LIST}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tagmora.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tagmora Professional"
    SetOutPath "$INSTDIR"
    File "${STAGE}/Tagmora.exe"
    File "${STAGE}/README.txt"
    File "${STAGE}/sheet-products.txt"
    File "${STAGE}/sheet-products-licence.txt"
    SetOutPath "$INSTDIR\GFX"
    File "${STAGE}/GFX/*.*"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; Started from the shortcut, the program's folder is also its current folder.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\Tagmora.exe" "" "$INSTDIR\Tagmora.exe" 0

    WriteRegStr HKCU "Software\Classes\.tgm" "" "${FILE_TYPE}"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}" "" "Tagmora Pro setup file"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\DefaultIcon" "" '"$INSTDIR\Tagmora.exe",0'
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell" "" "open"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\Tagmora.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell\print\command" "" '"$INSTDIR\Tagmora.exe" /p "%1"'
    ${NotifyShellOfAssociations}

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Tagmora.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there. The user's "wm.dat" and PRINTED\ (and anything else the user
; keeps in the folder) stay, and with them the folder.
Section "Uninstall"
    !insertmacro DeleteInstalledFiles
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR\GFX"
    RMDir "$INSTDIR"
    IfFileExists "$INSTDIR\*.*" 0 +2
        DetailPrint "Kept in $INSTDIR: your sheet (wm.dat) and printed-labels logs (PRINTED)."
    Delete "${SHORTCUT}"

    ; .tgm goes only while it still names this program's file type.
    ReadRegStr $0 HKCU "Software\Classes\.tgm" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
        DeleteRegValue HKCU "Software\Classes\.tgm" ""
    DeleteRegKey /ifempty HKCU "Software\Classes\.tgm"
    DeleteRegKey HKCU "Software\Classes\${FILE_TYPE}"
    ${NotifyShellOfAssociations}

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Keyrill's Windows installer (NSIS 3, built by makensis on Linux or Windows).
; A per-user install that needs no administrator rights: the program goes to
; %LOCALAPPDATA%\Programs\Keyrill with the library of every language in languages\,
; the user's library to %APPDATA%\Keyrill (seeded once with the library of the user's
; UI language, English when there is none, never overwritten), and the Start-menu
; shortcut starts the
; program in that library folder, since keyrill.exe keeps tests.tst in its working
; directory. The uninstaller removes only what was installed: tests.tst stays.
;
; makensis -DVERSION=0.80 -DSTAGE=<folder with the files> -DICON=<keyrill.ico>
;          -DOUTFILE=<setup.exe> keyrill.nsi
; The stage folder holds keyrill.exe, tests.tst, languages\*.tst, README.txt,
; LICENSE.txt and THIRD-PARTY-NOTICES.txt.

; A 64-bit installer for the 64-bit program (and for Windows without 32-bit support).
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE
  !error "STAGE is not defined"
!endif
!ifndef ICON
  !error "ICON is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "keyrill-${VERSION}-win64-setup.exe"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Keyrill"

Name "Keyrill ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Keyrill"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Keyrill"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Keyrill ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Keyrill developers"

LicenseData "${STAGE}\LICENSE.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Keyrill"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\keyrill.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY-NOTICES.txt"
  SetOutPath "$INSTDIR\languages"
  File "${STAGE}\languages\*.tst"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The user's library the first time, never replaced afterwards: the library of the
  ; user's UI language, named as a locale names it (pt_BR, then pt), else English.
  CreateDirectory "$APPDATA\Keyrill"
  IfFileExists "$APPDATA\Keyrill\tests.tst" library_ready
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    System::Call 'kernel32::GetLocaleInfoW(i r0, i 0x59, w .r1, i 16) i'  ; LOCALE_SISO639LANGNAME
    System::Call 'kernel32::GetLocaleInfoW(i r0, i 0x5A, w .r2, i 16) i'  ; LOCALE_SISO3166CTRYNAME
    StrCpy $3 "$INSTDIR\languages\$1_$2.tst"
    IfFileExists $3 library_chosen
    StrCpy $3 "$INSTDIR\languages\$1.tst"
    IfFileExists $3 library_chosen
    StrCpy $3 "$INSTDIR\languages\en.tst"
    library_chosen:
    DetailPrint "Library for UI language $0 ($1_$2): $3"
    CopyFiles /SILENT $3 "$APPDATA\Keyrill\tests.tst"
  library_ready:

  ; A shortcut's working directory is the output path when it is made.
  SetOutPath "$APPDATA\Keyrill"
  CreateShortcut "$SMPROGRAMS\Keyrill.lnk" "$INSTDIR\keyrill.exe" "" "$INSTDIR\keyrill.exe" 0 \
    SW_SHOWNORMAL "" "Typing-speed trainer"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Keyrill ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Keyrill developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\keyrill.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Keyrill.lnk"
  Delete "$INSTDIR\keyrill.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\languages\*.tst"
  RMDir "$INSTDIR\languages"
  Delete "$INSTDIR\uninstall.exe"
  ; Not recursive: anything the user put there stays, and so does the folder then.
  RMDir "$INSTDIR"
  ; $APPDATA\Keyrill and the user's tests.tst in it are left alone.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; The Windows installer, "vtsetup.exe" (the name the update check
; downloads): the program, its gadget skins, help page and sound clips, a
; Start-menu entry and an uninstaller. Built on Linux with makensis:
;   makensis -DPROGRAM_FOLDER=... -DSOUNDS_FOLDER=... -DOUTPUT=.../vtsetup.exe voltaro.nsi
; PROGRAM_FOLDER holds voltaro.exe, vtat1.dat .. vtat16.dat and vt_help.htm.
; amd64 first: the default stub is 32-bit.
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma

Name "Voltaro"
OutFile "${OUTPUT}"
InstallDir "$PROGRAMFILES64\Voltaro"
RequestExecutionLevel admin
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Voltaro"
  SetOutPath "$INSTDIR"
  File "${PROGRAM_FOLDER}/voltaro.exe"
  File "${PROGRAM_FOLDER}/vt_help.htm"
  File "${PROGRAM_FOLDER}/vtat*.dat"
  SetOutPath "$INSTDIR\sounds"
  File "${SOUNDS_FOLDER}/*.wav"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Voltaro"
  CreateShortcut "$SMPROGRAMS\Voltaro\Voltaro.lnk" "$INSTDIR\voltaro.exe"
  CreateShortcut "$SMPROGRAMS\Voltaro\Uninstall Voltaro.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\voltaro.exe"
  Delete "$INSTDIR\vt_help.htm"
  Delete "$INSTDIR\vtat*.dat"
  Delete "$INSTDIR\sounds\*.wav"
  RMDir "$INSTDIR\sounds"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Voltaro\Voltaro.lnk"
  Delete "$SMPROGRAMS\Voltaro\Uninstall Voltaro.lnk"
  RMDir "$SMPROGRAMS\Voltaro"
SectionEnd

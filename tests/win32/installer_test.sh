#!/usr/bin/env bash
# The installer under wine: a silent install into a folder of the prefix
# puts the program, skins, help page, clips, uninstaller and Start-menu entry
# in place, and the uninstaller removes them again.
#   installer_test.sh VTSETUP.EXE
set -u
setup=$1
fail() { echo "[  FAILED  ] $*"; exit 1; }
target=$(winepath -u 'C:\voltaro-installer-test' 2>/dev/null) || fail "no wine prefix"
rm -rf "$target"
wine "$setup" /S '/D=C:\voltaro-installer-test' >/dev/null 2>&1 || fail "the installer failed"
for file in voltaro.exe vt_help.htm vtat1.dat vtat16.dat sounds/clip6_click.wav uninstall.exe; do
  [ -f "$target/$file" ] || fail "$file was not installed"
done
# The all-users Start menu lies under ProgramData.
shared=$(winepath -u 'C:\ProgramData' 2>/dev/null)
link=$(find "$shared" -path '*/Programs/Voltaro/Voltaro.lnk' 2>/dev/null | head -n 1)
[ -n "$link" ] || fail "no Start-menu entry"
# _? runs the uninstaller in place, so it has finished when wine returns.
wine "$target/uninstall.exe" /S '_?=C:\voltaro-installer-test' >/dev/null 2>&1
[ ! -e "$target/voltaro.exe" ] || fail "the uninstaller left the program"
[ ! -e "$target/vtat1.dat" ] || fail "the uninstaller left the skins"
[ ! -e "$link" ] || fail "the uninstaller left the Start-menu entry"
rm -rf "$target"
echo "[  PASSED  ] the installer installs and uninstalls"

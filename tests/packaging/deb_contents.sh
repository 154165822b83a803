#!/bin/sh
# Builds the .deb with CPack, unpacks it into a scratch root with dpkg-deb -x
# and checks what a Debian user gets: the programs and modules where the
# system looks for them, dependencies declared, valid desktop and AppStream
# files, the manual pages, the bash completion and the icon at every theme
# size.
#   deb_contents.sh BUILD-FOLDER
set -u
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root" || exit 1

for file in bin/voltaro bin/voltaroctl libexec/voltaro/voltaroctl-desktop \
            share/applications/voltaro.desktop share/metainfo/com.keldwick.Voltaro.metainfo.xml \
            share/man/man1/voltaro.1 share/man/man1/voltaroctl.1 \
            share/bash-completion/completions/voltaroctl share/voltaro/vtat1.dat \
            share/voltaro/vtat16.dat share/voltaro/vt_help.htm; do
  [ -s "$root/usr/$file" ] || fail "usr/$file is missing"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/voltaro.png
  # The PNG header's width, bytes 16 to 19, big-endian.
  width=$(od -An -tu1 -j16 -N4 "$icon" 2>/dev/null | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  [ "$width" = "$size" ] || fail "the ${size}x${size} icon is ${width:-missing} pixels wide"
done

# The update check's HTTP client is a module the program loads on first use,
# the sound helper a program it runs, both in its folder under the library
# folder.
for file in voltaro-http.so voltaro-sound; do
  found=$(find "$root/usr/lib" -path "*/voltaro/$file" -type f 2>/dev/null)
  [ -n "$found" ] || fail "$file is missing"
done
find "$root/usr/lib" -path "*/voltaro/voltaro-sound" -perm -u+x | grep -q . ||
  fail "voltaro-sound is not executable"

# The module's and the helper's libraries are declared as well as the
# program's.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6dbus6 libqt6network6 libpng16-16 libpulse0; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

desktop-file-validate "$root/usr/share/applications/voltaro.desktop" || fail "the .desktop file"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.keldwick.Voltaro.metainfo.xml" ||
  fail "the metainfo file"

if command -v man >/dev/null 2>&1; then
  page=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/voltaroctl.1" 2>&1)
  for heading in SYNOPSIS OPTIONS COMMANDS "EXIT STATUS" "voltaroctl info" "--json"; do
    echo "$page" | grep -q -- "$heading" || fail "voltaroctl(1) lacks $heading"
  done
  echo "$page" | grep -q '\\' && fail "voltaroctl(1) shows a roff escape"
fi

# The completion offers the commands, and a command's options.
completions=$(bash -c '. "$1"; COMP_WORDS=(voltaroctl in); COMP_CWORD=1; _voltaroctl
  echo "${COMPREPLY[*]}"; COMP_WORDS=(voltaroctl info --j); COMP_CWORD=2; _voltaroctl
  echo "${COMPREPLY[*]}"' - "$root/usr/share/bash-completion/completions/voltaroctl")
[ "$completions" = "info
--json" ] || fail "completion gave: $completions"

# The installed voltaroctl finds voltaroctl-desktop in its libexec folder.
"$root/usr/bin/voltaroctl" plans --help | grep -q "Usage: voltaroctl plans" ||
  fail "voltaroctl plans --help through voltaroctl-desktop"
exit $status

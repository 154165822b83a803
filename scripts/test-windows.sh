#!/usr/bin/env bash
# Cross-compiles everything that does not need Qt for 64-bit Windows with
# mingw-w64 (the engine, voltaroctl.exe, the native program voltaro.exe and
# its installer vtsetup.exe) and runs the tests under wine, in a wine prefix
# of its own (build/windows/wineprefix). Installs the compiler, wine and NSIS
# first. voltaro.exe embeds the skin a Linux build painted: build the default
# preset first (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."

# Only what the cross-build needs: GoogleTest comes as sources (googletest),
# compiled by the cross compiler; Qt is not built for Windows here.
packages=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64 nsis)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"
for built in build/windows/src/win32/voltaro.exe build/windows/src/win32/vtsetup.exe; do
  if [ ! -f "$built" ]; then
    echo "test-windows: $built was not built (is build/default/src/app/skin painted?)" >&2
    exit 1
  fi
done

# The same prefix and debug channels as the windows test preset.
export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=fixme-all
mkdir -p "$WINEPREFIX"

# A persistent server saves each test the server's start-up (2.5 s), and the
# first start of a new prefix must finish before a test runs, or it hangs.
# The server keeps its output open: send it elsewhere, or a pipe never ends.
wineserver -p >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine wineboot -i >/dev/null 2>&1

ctest --preset windows -j "$(nproc)"

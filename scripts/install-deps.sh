#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Runs as root (or through sudo); does nothing when everything is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libjpeg-dev libpng-dev zlib1g-dev libpulse-dev libxcb1-dev libxext-dev
  libglib2.0-dev libcli11-dev nlohmann-json3-dev
  dpkg-dev desktop-file-utils appstream man-db
  umockdev acpi python3-dbusmock dbus xdg-user-dirs locales
  xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"

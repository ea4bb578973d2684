#!/usr/bin/env bash
# Installs what the build and the tests need; quick when everything is there.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/apt.sh"

packages=(cmake ninja-build googletest xvfb xauth x11-apps imagemagick
  fonts-wine wine wine64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  dpkg-dev nasm)

missing=()
for p in "${packages[@]}" wine32:i386; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  apt_update
  apt_install "${missing[@]}"
fi
# The i686 libjpeg always: every test run also compiles the 32-bit programs.
TW_ARCH=i686 "$here/build-libjpeg.sh"
"$here/build-libjpeg.sh"

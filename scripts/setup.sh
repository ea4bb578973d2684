#!/usr/bin/env bash
# Installs what the build and the tests need; quick when everything is there.
set -euo pipefail

packages=(cmake ninja-build googletest xvfb xauth x11-apps imagemagick
  fonts-wine wine wine64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  dpkg-dev nasm)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}" wine32:i386; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
"$(dirname "$0")/build-libjpeg.sh"

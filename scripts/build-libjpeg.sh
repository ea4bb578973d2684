#!/usr/bin/env bash
# Cross-builds Debian's libjpeg-turbo as a static library for the mingw target,
# once, into a cache folder outside the repository. Silent when already built.
# With --prefix it only prints the cache folder (include/ and lib/ below it).
set -euo pipefail
source "$(dirname "$0")/env.sh"
source "$(dirname "$0")/apt.sh"

if [ -n "${TW_LIBJPEG_CACHE:-}" ]; then
  cache=$TW_LIBJPEG_CACHE
elif [ "$(id -u)" = 0 ]; then
  cache=/var/cache/tidewell-libjpeg/$TW_ARCH
else
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/tidewell-libjpeg/$TW_ARCH
fi
if [ "${1:-}" = --prefix ]; then
  echo "$cache"
  exit 0
fi
[ -f "$cache/.built" ] && exit 0

# Runs a step with its output in a log that is shown only when the step fails.
quiet() { "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log"; exit 1; }; }

# apt-get source needs a deb-src entry for the configured Debian sources.
ensure_source_entries() {
  local list=/etc/apt/sources.list.d/debian.sources
  local src=/etc/apt/sources.list.d/tidewell-src.sources
  grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ && return
  sed -E 's/^Types:.*/Types: deb-src/' "$list" | as_root tee "$src" >/dev/null
  apt_update quiet
}

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9
[ -f "$cache/.built" ] && exit 0

echo "building libjpeg for $TW_ARCH-w64-mingw32 into $cache"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ensure_source_entries
(cd "$work" && quiet apt-get source -q --download-only libjpeg-turbo &&
  quiet dpkg-source -x libjpeg-turbo_*.dsc src)

triplet=$TW_ARCH-w64-mingw32
quiet cmake -S "$work/src" -B "$work/build" -G Ninja \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR="$TW_ARCH" \
  -DCMAKE_C_COMPILER="$triplet-gcc-posix" -DCMAKE_RC_COMPILER="$triplet-windres" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=ON
quiet cmake --build "$work/build" --target jpeg-static

rm -rf "$cache/include" "$cache/lib"
mkdir -p "$cache/include" "$cache/lib"
cp "$work/build/libjpeg.a" "$cache/lib/"
cp "$work/build/jconfig.h" "$work/src/jpeglib.h" "$work/src/jmorecfg.h" "$work/src/jerror.h" \
  "$cache/include/"
touch "$cache/.built"

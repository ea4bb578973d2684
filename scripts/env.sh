# Sourced by the scripts: where things are and which Wine to use.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TW_BUILD=${TW_BUILD:-$repo/build}

# 32-bit Windows programs need a kernel that runs 32-bit Linux binaries (Wine's
# 32-bit loader); where it cannot, build for x86-64 and use 64-bit Wine.
native_i386() {
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && return 1
  /usr/lib/wine/wine --version >/dev/null 2>&1
}
if [ -z "${TW_ARCH:-}" ]; then
  if native_i386; then TW_ARCH=i686; else TW_ARCH=x86_64; fi
fi
export TW_ARCH
# TW_WINE runs the programs; TW_WINE_BOOT makes and starts the prefix. With
# TW_WOW64=1 the i686 programs run as on 64-bit Windows: in a 64-bit prefix made
# by 64-bit Wine, through the 32-bit loader (WoW64).
if [ "$TW_ARCH" = i686 ]; then
  export TW_WINE=/usr/lib/wine/wine
else
  export TW_WINE=/usr/lib/wine/wine64
fi
if [ "$TW_ARCH" = i686 ] && [ "${TW_WOW64:-0}" != 1 ]; then
  export WINEARCH=win32 TW_WINE_BOOT=$TW_WINE
else
  export WINEARCH=win64 TW_WINE_BOOT=/usr/lib/wine/wine64
fi
export TW_WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The tests' throw-away prefixes; scripts/wine-run uses the second with TW_WOW64=1.
# shellcheck disable=SC2034 # read by the scripts that source this file
test_prefix=$TW_BUILD/prefix-test wow64_prefix=$TW_BUILD/prefix-wow64

# Ends the wineserver of the prefix $1, and with it the desktop keeper scripts/wine-run
# started there.
stop_prefix() {
  WINEPREFIX=$1 "$TW_WINESERVER" -k 2>/dev/null || true
  rm -f "$1/keeper.pid" "$1/keeper.ready"
}

# Starts Xvfb on the first free display from $1 with screen size $2 and waits for
# its socket; sets xvfb_pid and xvfb_display.
start_xvfb() {
  local n=$1
  while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "$2" -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
  xvfb_pid=$!
  xvfb_display=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
}

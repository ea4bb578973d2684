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
if [ "$TW_ARCH" = i686 ]; then
  export WINEARCH=win32 TW_WINE=/usr/lib/wine/wine
else
  export WINEARCH=win64 TW_WINE=/usr/lib/wine/wine64
fi
export TW_WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

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

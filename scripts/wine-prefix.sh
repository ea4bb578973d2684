#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX once: booted, Tahoma installed, no crash dialog
# (and, with TW_UNMANAGED=1, windows not managed by a window manager).
set -euo pipefail
source "$(dirname "$0")/env.sh"
: "${WINEPREFIX:?}"
[ -f "$WINEPREFIX/.tw-ready" ] && exit 0

# A prefix whose first boot was cut short lacks its drives for good: make it again.
boot() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$TW_WINE_BOOT" wineboot -i >/dev/null 2>&1 || true
  "$TW_WINE_BOOT" cmd /c "dir c:\\" >/dev/null 2>&1
}
boot || boot
cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
"$TW_WINE_BOOT" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# Test displays have no window manager: unmanaged windows do not wait for one.
if [ "${TW_UNMANAGED:-0}" = 1 ]; then
  "$TW_WINE_BOOT" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
"$TW_WINESERVER" -w
touch "$WINEPREFIX/.tw-ready"

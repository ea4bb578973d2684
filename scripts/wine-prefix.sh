#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX once: booted, Tahoma installed, no crash dialog.
set -euo pipefail
source "$(dirname "$0")/env.sh"
: "${WINEPREFIX:?}"
[ -f "$WINEPREFIX/.tw-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
"$TW_WINE" wineboot -i >/dev/null 2>&1 || true
cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
"$TW_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$TW_WINESERVER" -w
touch "$WINEPREFIX/.tw-ready"

#!/usr/bin/env bash
# Seeds a new Wine prefix (WINEPREFIX, TW_WINE set by scripts/run.sh) with start-up
# entries: a few whose program is missing, so a first scan has findings, and a few
# that start fine, so it also has something to keep.
set -euo pipefail
: "${WINEPREFIX:?}" "${TW_WINE:?}"

user_run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
user_run_once='HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce'
machine_run='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# add_entry KEY NAME TYPE DATA
add_entry() {
  "$TW_WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}

# Missing programs.
add_entry "$user_run" 'QuickUpdater' REG_SZ '"C:\Program Files\QuickUpdate\updater.exe" /silent'
add_entry "$user_run" 'OldTrayHelper' REG_SZ 'C:\OldTools\trayhelper.exe'
add_entry "$user_run_once" 'SetupCleanup' REG_SZ 'C:\Temp\setup_cleanup.exe /quiet'
add_entry "$machine_run" 'VendorAgent' REG_SZ 'C:\Program Files\Vendor Tools\agent.exe -background'

# Programs that exist (Wine runs these at each start of the prefix: they end at once).
add_entry "$user_run" 'ConsoleCheck' REG_EXPAND_SZ '%SystemRoot%\system32\cmd.exe /c exit'
add_entry "$machine_run" 'QuietCheck' REG_SZ 'cmd.exe /c exit'

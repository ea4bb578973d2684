#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tidewell (or, with the argument
# "corvane", Corvane) in the project's own Wine prefix. Without a display it runs
# under Xvfb, saves a screenshot into the build folder and prints its path.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
"$here/setup.sh"
source "$here/env.sh"
program=Tidewell
[ "${1:-}" = corvane ] && program=Corvane
"$here/build.sh" "$program"
export WINEPREFIX=$TW_BUILD/prefix
export XDG_DATA_HOME=$TW_BUILD/xdg-run
new_prefix=0
[ -f "$WINEPREFIX/.tw-ready" ] || new_prefix=1

launch() {
  "$here/wine-prefix.sh"
  if [ "$new_prefix" = 1 ] && [ -x "$here/seed-prefix.sh" ]; then "$here/seed-prefix.sh"; fi
  "$TW_WINE" "$TW_BUILD/bin/$program.exe"
}

if [ -n "${DISPLAY:-}" ]; then
  launch
  exit
fi

start_xvfb 95 1024x768x24
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=$xvfb_display
launch &
sleep "${TW_SCREENSHOT_DELAY:-20}"
shot="$TW_BUILD/$program-screenshot.png"
import -window root "$shot"
echo "screenshot: $shot"
"$TW_WINESERVER" -k || true

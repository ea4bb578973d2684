#!/usr/bin/env bash
# Runs the cases of i686 test programs that a gtest filter selects in a fresh 64-bit
# prefix, where the programs run under WoW64 as on 64-bit Windows. Where that cannot
# be, it says why on one line, which scripts/test.sh repeats at the end of its log,
# and ends with 77 (skipped).
# Usage: wow64_run.sh PROGRAM FILTER [PROGRAM FILTER ...]
set -uo pipefail
export TW_WOW64=1
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/env.sh"

skip() {
  echo "WoW64 run skipped: $1" | tee "$TW_BUILD/wow64.skipped"
  exit 77
}

# Fails when a pattern of the filter $2 names no case of the program $1.
check_filter() {
  local program=$1 filter=$2 line suite names=() name patterns pattern
  while IFS= read -r line; do
    if [[ $line == "  "* ]]; then
      line=${line#  }
      names+=("$suite${line%% *}")
    else
      suite=${line%% *}
    fi
  done < <("$repo/scripts/wine-run" "$program" --gtest_list_tests | tr -d '\r')
  IFS=: read -ra patterns <<<"${filter%%-*}"
  for pattern in "${patterns[@]}"; do
    for name in "${names[@]}"; do
      # shellcheck disable=SC2053 # the pattern is a glob
      [[ $name == $pattern ]] && continue 2
    done
    echo "the filter's pattern $pattern names no case of $(basename "$program")"
    exit 1
  done
}

native_i386 || skip "the kernel does not run 32-bit programs"
[ "$TW_ARCH" = i686 ] || skip "the tests run the $TW_ARCH build"
[ -x "$TW_WINE_BOOT" ] || skip "64-bit Wine is not installed ($TW_WINE_BOOT)"

export WINEPREFIX=$wow64_prefix
stop_prefix "$WINEPREFIX"
trap 'stop_prefix "$WINEPREFIX"' EXIT
rm -rf "$WINEPREFIX"
if ! "$repo/scripts/wine-run" cmd /c rem >/dev/null 2>&1 ||
  [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
  skip "64-bit Wine could not make a 64-bit prefix in $WINEPREFIX"
fi
status=0
while [ $# -ge 2 ]; do
  check_filter "$1" "$2"
  "$repo/scripts/wine-run" "$1" --gtest_filter="$2" || status=1
  shift 2
done
exit "$status"

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest
# in a fresh throw-away Wine prefix.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
"$here/setup.sh"
source "$here/env.sh"
"$here/stop-wine"
rm -rf "$TW_BUILD/prefix-test" "$TW_BUILD/xdg" "$TW_BUILD/wow64.skipped"
trap '"$here/stop-wine"' EXIT
# Make the prefix and start Wine before the build lists the tests of each program.
"$here/build.sh" desktop_keeper
"$here/wine-run" cmd /c rem
"$here/build.sh"
# Users get the 32-bit programs: compile them on every run, whatever runs the tests.
if [ "$TW_ARCH" = i686 ]; then
  echo "architecture: built i686; tests run on i686"
else
  TW_ARCH=i686 TW_BUILD=$repo/build-i686 TW_COMPILE_ONLY=1 "$here/build.sh"
  echo "architecture: built i686 and x86_64; tests run on x86_64"
fi
cd "$TW_BUILD"
status=0
ctest --output-on-failure --repeat until-pass:2 -j "${TW_TEST_JOBS:-1}" "$@" || status=$?
# CTest names a skipped test without its output: show why the WoW64 run was skipped.
cat wow64.skipped 2>/dev/null || true
exit "$status"

#!/usr/bin/env bash
# Configures and builds into $TW_BUILD: everything, or the targets named. With
# TW_COMPILE_ONLY=1 the build does not run the test programs to list their cases.
set -euo pipefail
source "$(dirname "$0")/env.sh"
discovery=POST_BUILD
[ "${TW_COMPILE_ONLY:-0}" = 1 ] && discovery=PRE_TEST
cmake -S "$repo" -B "$TW_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw.cmake" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE="$discovery" \
  -DTW_LIBJPEG_DIR="$("$repo/scripts/build-libjpeg.sh" --prefix)" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$TW_BUILD" --target "$@"
else
  cmake --build "$TW_BUILD"
fi

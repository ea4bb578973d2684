#!/usr/bin/env bash
# Configures and builds into $TW_BUILD: everything, or the targets named.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake -S "$repo" -B "$TW_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw.cmake" \
  -DTW_LIBJPEG_DIR="$("$repo/scripts/build-libjpeg.sh" --prefix)" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$TW_BUILD" --target "$@"
else
  cmake --build "$TW_BUILD"
fi

#!/usr/bin/env bash
# Configures and builds everything into $TW_BUILD.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake -S "$repo" -B "$TW_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw.cmake" >/dev/null
cmake --build "$TW_BUILD" "$@"

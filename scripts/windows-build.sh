#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64: BUILD_DIR/adif2kvx.exe, one statically
# linked file, with its help page beside it.
# Usage: scripts/windows-build.sh [BUILD_DIR [CMAKE_OPTION...]]   (default: build-win32)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-win32}
shift || true
jobs=${JOBS:-2}

generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi

cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j "$jobs"
echo "built $build/adif2kvx.exe"

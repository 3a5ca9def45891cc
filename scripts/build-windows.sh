#!/usr/bin/env bash
# Configures and builds the Windows program of one arch (and its tests and
# benchmarks unless a target is named) in build/win32 or build/win64.
# Usage: build-windows.sh 32|64 [TARGET] [EXTRA CMAKE ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
arch="$1"
target="${2:-all}"
shift 2 || shift || true
case "$arch" in
    32) machine=i686 ;;
    64) machine=x86_64 ;;
    *)  echo "build-windows.sh: arch must be 32 or 64" >&2; exit 2 ;;
esac
cmake -S . -B "build/win$arch" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw.cmake" \
      -DZARVIK_ARCH="$machine" \
      -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "build/win$arch" -j "$(nproc)" --target "$target"

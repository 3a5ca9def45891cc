#!/usr/bin/env bash
# Configures and builds the 32-bit program (and its tests and benchmarks
# unless a target is named) in build/win32.
# Usage: build-win32.sh [TARGET] [EXTRA CMAKE ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-all}"
shift || true
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build build/win32 -j "$(nproc)" --target "$target"

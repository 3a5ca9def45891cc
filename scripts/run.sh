#!/usr/bin/env bash
# Builds the 32-bit program and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$(nproc)" --target zarvik
. scripts/xvfb.sh
[ -n "${ZARVIK_XVFB_PID:-}" ] && echo "The window is on the virtual display $DISPLAY (see it with a VNC server or xwd)."
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
exec scripts/wine-exec.sh "$root/build/win32/wineprefix" build/win32/zarvik.exe

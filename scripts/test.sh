#!/usr/bin/env bash
# Builds everything and runs every test: the plain C++ code natively under
# AddressSanitizer and UBSan, then the 32-bit program and its tests under
# Wine, and a compile of the 64-bit program.
set -euo pipefail
# Quieter nested builds when started from make.
unset MAKEFLAGS MFLAGS MAKELEVEL
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/deps.sh
bash scripts/printer.sh

echo "== native build (sanitizers)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DZARVIK_WERROR=ON -DZARVIK_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
(cd build/native && ctest --output-on-failure)

echo "== 32-bit build"
bash scripts/build-win32.sh all -DZARVIK_WERROR=ON

echo "== 64-bit build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/x86_64-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DZARVIK_WERROR=ON -DZARVIK_TESTS=OFF >/dev/null
cmake --build build/win64 -j "$jobs" --target zarvik

echo "== tests under Wine"
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null; WINEPREFIX="$root/build/win32/wineprefix" wineserver -k 2>/dev/null || true' EXIT
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
(cd build/win32 && ctest --output-on-failure -j "$jobs")

#!/usr/bin/env bash
# Builds the benchmark programs and runs each under Wine; they print figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$(nproc)"
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null || true' EXIT
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
shopt -s nullglob
for exe in build/win32/bench/*_bench.exe; do
    echo "== $(basename "$exe" .exe)"
    scripts/wine-exec.sh "$root/build/win32/wineprefix" "$exe" "$@"
done

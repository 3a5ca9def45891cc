#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine; they print figures.
# Usage: bench.sh [NAME [ARGS...]]   NAME: filelist, report, viewer or strings
# (the last runs natively); ARGS go to it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
if [ $# -eq 0 ] || [ "$1" = strings ]; then
    cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/bench-native -j "$(nproc)" --target strings_bench
    echo "== strings_bench"
    build/bench-native/bench/strings_bench "${@:2}"
    [ $# -eq 0 ] || exit 0
fi
bash scripts/build-win32.sh
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null || true' EXIT
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
if [ $# -gt 0 ]; then
    programs=("build/win32/bench/$1_bench.exe")
    shift
else
    programs=(build/win32/bench/*_bench.exe)
fi
for exe in "${programs[@]}"; do
    echo "== $(basename "$exe" .exe)"
    scripts/wine-exec.sh "$root/build/win32/wineprefix" "$exe" "$@"
done

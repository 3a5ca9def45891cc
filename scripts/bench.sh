#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine; they print figures.
# They measure the 32-bit build where the host runs 32-bit code, the 64-bit
# one otherwise (ZARVIK_ARCH=64 forces it).
# Usage: bench.sh [NAME [ARGS...]]   NAME: filelist, registry, report, viewer or strings
# (the last runs natively); ARGS go to it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
if [ $# -eq 0 ] || [ "$1" = strings ]; then
    cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/bench-native -j "$(nproc)" --target strings_bench
    echo "== strings_bench (native)"
    build/bench-native/bench/strings_bench "${@:2}"
    [ $# -eq 0 ] || exit 0
fi
. scripts/arch.sh
arch=$ZARVIK_RUN_ARCH
dir="$root/$(zarvik_build_dir "$arch")"
echo "Measuring the $arch-bit build."
bash scripts/build-windows.sh "$arch"
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null || true' EXIT
bash scripts/wine-prefix.sh "$dir/wineprefix" "$arch"
if [ $# -gt 0 ]; then
    programs=("$dir/bench/$1_bench.exe")
    shift
else
    programs=("$dir"/bench/*_bench.exe)
fi
for exe in "${programs[@]}"; do
    echo "== $(basename "$exe" .exe) ($arch-bit)"
    scripts/wine-exec.sh "$dir/wineprefix" "$exe" "$@"
done

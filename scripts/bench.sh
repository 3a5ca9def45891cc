#!/usr/bin/env bash
# Builds the benchmark programs and runs each under Wine; they print figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
bash scripts/build-win32.sh
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null || true' EXIT
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
shopt -s nullglob
for exe in build/win32/bench/*_bench.exe; do
    echo "== $(basename "$exe" .exe)"
    scripts/wine-exec.sh "$root/build/win32/wineprefix" "$exe" "$@"
done

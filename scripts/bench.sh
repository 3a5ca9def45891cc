#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine; they print figures.
# Usage: bench.sh [NAME [ARGS...]]   NAME: filelist or report; ARGS go to it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
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

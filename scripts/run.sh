#!/usr/bin/env bash
# Builds the 32-bit program and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
bash scripts/build-win32.sh zarvik
. scripts/xvfb.sh
[ -n "${ZARVIK_XVFB_PID:-}" ] && echo "The window is on the virtual display $DISPLAY (see it with a VNC server or xwd)."
bash scripts/wine-prefix.sh "$root/build/win32/wineprefix"
exec scripts/wine-exec.sh "$root/build/win32/wineprefix" build/win32/zarvik.exe

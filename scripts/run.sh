#!/usr/bin/env bash
# Builds the program and starts it under Wine: the 32-bit program where the
# host runs 32-bit code, the 64-bit one otherwise (ZARVIK_ARCH=64 forces it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh
. scripts/arch.sh
arch=$ZARVIK_RUN_ARCH
echo "Running the $arch-bit program."
bash scripts/build-windows.sh "$arch" zarvik
. scripts/xvfb.sh
[ -n "${ZARVIK_XVFB_PID:-}" ] && echo "The window is on the virtual display $DISPLAY (see it with a VNC server or xwd)."
dir="$root/$(zarvik_build_dir "$arch")"
bash scripts/wine-prefix.sh "$dir/wineprefix" "$arch"
exec scripts/wine-exec.sh "$dir/wineprefix" "$dir/zarvik.exe"

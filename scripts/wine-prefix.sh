#!/usr/bin/env bash
# Creates a Wine prefix for the tests once: 32- and 64-bit, every program in
# one virtual desktop (showing a top-level window without a window manager
# otherwise waits for one that never answers).
# Usage: wine-prefix.sh PREFIX
set -eu
prefix="$1"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$prefix/.zarvik-ready" ]; then
    exit 0
fi
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
wineserver -w
touch "$prefix/.zarvik-ready"

#!/usr/bin/env bash
# Creates a Wine prefix for one arch once, with every program in one virtual
# desktop (showing a top-level window without a window manager otherwise
# waits for one that never answers). The 32-bit prefix is Wine's default
# (64-bit with 32-bit support, so a 32-bit program's System directory is
# syswow64); the 64-bit one is made by the 64-bit loader alone, so it works
# on hosts that run no 32-bit code. Wine's crash dialog is off: a test
# program that crashes ends at once with its exception code, its backtrace
# on standard error, instead of waiting for the dialog until the time-out.
# DESKTOP is the virtual desktop's size, 1280x1024 unless given (a window at
# 200% needs more).
# Usage: wine-prefix.sh PREFIX 32|64 [DESKTOP]
set -eu
prefix="$1"
arch="$2"
desktop="${3:-1280x1024}"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/arch.sh"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Raised whenever the settings below change, so older prefixes are made anew.
settings="2${3:+ $3}"
if [ "$(cat "$prefix/.zarvik-ready" 2>/dev/null)" = "$settings" ] &&
    [ "$(cat "$prefix/.zarvik-arch" 2>/dev/null)" = "$arch" ]; then
    exit 0
fi
rm -rf "$prefix"
mkdir -p "$prefix"
case "$arch" in
    32) loader="$ZARVIK_WINE32" ;;
    64) loader="$ZARVIK_WINE64"; export WINEARCH=win64 ;;
    *)  echo "wine-prefix.sh: arch must be 32 or 64" >&2; exit 2 ;;
esac
"$loader" wineboot -i >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$(dirname "$loader")/wineserver" -w 2>/dev/null || wineserver -w
echo "$arch" > "$prefix/.zarvik-arch"
echo "$settings" > "$prefix/.zarvik-ready"

#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix (never the user's
# own), with the loader of the prefix's arch: `wine` for 32-bit, `wine64`
# for 64-bit (which also runs Wine's own tools such as reg and wineboot).
# Usage: wine-exec.sh PREFIX PROGRAM [ARGS...]
set -eu
prefix="$1"
shift
if [ ! -f "$prefix/.zarvik-arch" ]; then
    echo "wine-exec.sh: $prefix is not set up; run scripts/wine-prefix.sh PREFIX 32|64 first" >&2
    exit 2
fi
. "$(dirname "$0")/arch.sh"
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ "$(cat "$prefix/.zarvik-arch")" = 64 ]; then
    exec "$ZARVIK_WINE64" "$@"
fi
exec "$ZARVIK_WINE32" "$@"

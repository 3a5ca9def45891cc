#!/usr/bin/env bash
# Sourced: which Windows architectures this host can run under Wine, and
# where Wine's two loaders are. Sets:
#   ZARVIK_WINE32   the 32-bit loader, ZARVIK_WINE64 the 64-bit one
#   ZARVIK_HOST32   1 when the kernel runs 32-bit code, else 0
#   ZARVIK_ARCHES   the arches to test: "32 64" or "64" (ZARVIK_ARCH=32|64|both overrides)
#   ZARVIK_RUN_ARCH the arch to run and benchmark: 32 where the host can, else 64
# Debian installs the 64-bit loader in Wine's library folder, off the PATH;
# the `wine` wrapper on the PATH always prefers the 32-bit one.
zarvik_find_loader() {
    local name=$1 dir
    for dir in /usr/lib/wine /usr/lib64/wine /usr/lib/x86_64-linux-gnu/wine /usr/lib/i386-linux-gnu/wine; do
        [ -x "$dir/$name" ] && { echo "$dir/$name"; return; }
    done
    dpkg -L "$name" 2>/dev/null | grep "/$name\$" | head -n 1
}

if [ -z "${ZARVIK_ARCH_KNOWN:-}" ]; then
    ZARVIK_WINE32=$(zarvik_find_loader wine)
    ZARVIK_WINE64=$(zarvik_find_loader wine64)
    # A kernel without 32-bit support refuses to execute the loader at all.
    if [ -n "$ZARVIK_WINE32" ] && "$ZARVIK_WINE32" --version >/dev/null 2>&1; then
        ZARVIK_HOST32=1
    else
        ZARVIK_HOST32=0
    fi
    if [ -z "$ZARVIK_WINE64" ] || ! "$ZARVIK_WINE64" --version >/dev/null 2>&1; then
        echo "Wine's 64-bit loader (package wine64) is missing or does not run." >&2
        exit 1
    fi
    case "${ZARVIK_ARCH:-}" in
        "")   if [ "$ZARVIK_HOST32" = 1 ]; then ZARVIK_ARCHES="32 64"; else ZARVIK_ARCHES="64"; fi ;;
        both) ZARVIK_ARCHES="32 64" ;;
        32|64) ZARVIK_ARCHES="$ZARVIK_ARCH" ;;
        *)    echo "ZARVIK_ARCH must be 32, 64 or both, not '$ZARVIK_ARCH'." >&2; exit 1 ;;
    esac
    if [ "$ZARVIK_HOST32" = 0 ] && [ "$ZARVIK_ARCHES" != 64 ]; then
        echo "ZARVIK_ARCH=$ZARVIK_ARCH asks for the 32-bit build, but this host runs no 32-bit code (its kernel refuses Wine's 32-bit loader). Use ZARVIK_ARCH=64." >&2
        exit 1
    fi
    if [ "${ZARVIK_ARCH:-}" = 64 ] || [ "$ZARVIK_HOST32" = 0 ]; then
        ZARVIK_RUN_ARCH=64
    else
        ZARVIK_RUN_ARCH=32
    fi
    export ZARVIK_WINE32 ZARVIK_WINE64 ZARVIK_HOST32 ZARVIK_ARCHES ZARVIK_RUN_ARCH
    export ZARVIK_ARCH_KNOWN=1
fi

# The build tree of an arch: build/win32 or build/win64.
zarvik_build_dir() { echo "build/win$1"; }

zarvik_say_arches() {
    if [ "$ZARVIK_HOST32" = 0 ]; then
        echo "This host runs no 32-bit code: testing the 64-bit build only."
    elif [ "$ZARVIK_ARCHES" = 64 ]; then
        echo "This host runs 32-bit code; ZARVIK_ARCH=64: testing the 64-bit build only."
    elif [ "$ZARVIK_ARCHES" = 32 ]; then
        echo "This host runs 32-bit code; ZARVIK_ARCH=32: testing the 32-bit build only."
    else
        echo "This host runs 32-bit code: testing the 32-bit and the 64-bit builds."
    fi
}

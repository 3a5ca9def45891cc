#!/usr/bin/env bash
# Installs the build and test tools with apt when any is missing.
# Quick and silent when everything is already there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

have_cmd i686-w64-mingw32-g++-posix   || need+=(g++-mingw-w64-i686-posix)
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have_pkg mingw-w64-tools              || need+=(mingw-w64-tools)
have_cmd cmake                        || need+=(cmake)
have_cmd g++                          || need+=(g++)
have_cmd make                         || need+=(make)
have_cmd Xvfb                         || need+=(xvfb)
have_cmd xauth                        || need+=(xauth)
have_cmd python3                      || need+=(python3)
have_cmd clang++                      || need+=(clang)
have_pkg libclang-rt-14-dev           || need+=(libclang-rt-14-dev)
have_pkg googletest                   || need+=(googletest)
have_cmd unrtf                        || need+=(unrtf)
have_cmd pdfinfo                      || need+=(poppler-utils)
have_pkg cups                         || need+=(cups)
have_pkg printer-driver-cups-pdf      || need+=(printer-driver-cups-pdf)
have_pkg wine                         || need+=(wine)
have_pkg wine64                       || need+=(wine64)
# 32-bit Wine is wanted only where the kernel runs 32-bit code, and its
# install may fail on its own (an i386 index a mirror has not synced yet):
# the 64-bit build is then the one tested, as on a host without 32-bit code.
# A three-instruction 32-bit program tells whether the kernel runs one.
kernel_runs_32bit() {
    local dir rc
    dir=$(mktemp -d)
    printf '.globl _start\n_start:\n movl $1,%%eax\n xorl %%ebx,%%ebx\n int $0x80\n' >"$dir/t.s"
    as --32 "$dir/t.s" -o "$dir/t.o" 2>/dev/null && ld -m elf_i386 "$dir/t.o" -o "$dir/t" 2>/dev/null &&
        "$dir/t" 2>/dev/null
    rc=$?
    rm -rf "$dir"
    return $rc
}
need32=()
if kernel_runs_32bit; then
    have_pkg wine32:i386              || need32+=(wine32:i386)
    have_pkg libcups2:i386            || need32+=(libcups2:i386)
fi

if [ ${#need[@]} -eq 0 ] && [ ${#need32[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index while the rest are fresh; the
# install below says so if what it needs is really missing.
$SUDO apt-get update -qq || echo "apt-get update reported errors; trying the install anyway." >&2
if [ ${#need[@]} -gt 0 ]; then
    echo "Installing: ${need[*]}"
    $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
if [ ${#need32[@]} -gt 0 ]; then
    echo "Installing: ${need32[*]}"
    $SUDO apt-get install -y -qq --no-install-recommends "${need32[@]}" >/dev/null ||
        echo "32-bit Wine could not be installed: only the 64-bit build can be run here." >&2
fi

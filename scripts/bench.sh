#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine; they print figures.
# They measure each build the host runs: the 32-bit and the 64-bit one where
# the kernel runs 32-bit code (the second only through the real exe), the
# 64-bit one otherwise (ZARVIK_ARCH=32|64|both overrides). Every row they
# print starts with its build, "[32-bit]" or "[64-bit]". The exe benchmark
# runs twice, in the test prefix's virtual desktop and in a prefix without
# one; its rows say which.
# Usage: bench.sh [NAME [ARGS...]]   NAME: exe, filelist, processlist,
# registry, report, viewer or strings (the last runs natively); ARGS go to it
# (exe: build, viewer, load, tree or versions, e.g. `bench.sh exe tree`).
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
zarvik_say_arches | sed 's/testing/measuring/'
name=${1:-}
[ $# -gt 0 ] && shift
for arch in $ZARVIK_ARCHES; do
    bash scripts/build-windows.sh "$arch"
done
. scripts/xvfb.sh
trap '[ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null || true' EXIT
failed=0
for arch in $ZARVIK_ARCHES; do
    dir="$root/$(zarvik_build_dir "$arch")"
    bash scripts/wine-prefix.sh "$dir/wineprefix" "$arch"
    if [ -n "$name" ]; then
        programs=("$dir/bench/${name}_bench.exe")
    elif [ "$arch" = 64 ] && [ "$ZARVIK_ARCHES" = "32 64" ]; then
        # The in-process programs time code both builds share, and take
        # 9 to 12 minutes; the second build gets what the user meets of it,
        # the real exe (2 to 3 minutes), so that both stay within 15.
        programs=("$dir/bench/exe_bench.exe")
    else
        programs=("$dir"/bench/*_bench.exe)
    fi
    for exe in "${programs[@]}"; do
        args=("$@")
        # With both builds to measure, Build and Analyze on 20,000 files only,
        # without the 5,000-file pass that gives their growth.
        if [ -z "$name" ] && [ "$ZARVIK_ARCHES" = "32 64" ] && [[ "$exe" == */filelist_bench.exe ]]; then
            args=(20000)
        fi
        prefixes=("$dir/wineprefix")
        if [[ "$exe" == */exe_bench.exe ]]; then
            # The real exe also as a Linux user's Wine shows it: each window
            # on the X display, no virtual desktop. Its rows say which. Xvfb
            # has no window manager, and Wine waits 2 s for one whenever a
            # shown window it leaves to the manager is destroyed (every
            # message box): the windows are Wine's own to place instead, as
            # a window manager would have answered at once.
            own="$dir/wineprefix-nodesktop"
            bash scripts/wine-prefix.sh "$own" "$arch"
            scripts/wine-exec.sh "$own" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f \
                >/dev/null 2>&1 || true
            scripts/wine-exec.sh "$own" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                >/dev/null 2>&1
            prefixes+=("$own")
        fi
        for prefix in "${prefixes[@]}"; do
            echo "== $(basename "$exe" .exe) ($arch-bit, $(basename "$prefix"))"
            start=$SECONDS
            set +e
            scripts/wine-exec.sh "$prefix" "$exe" "${args[@]}" | sed -u "s/^/[$arch-bit] /"
            [ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
            set -e
            echo "   ($((SECONDS - start)) s)"
        done
    done
done
exit "$failed"

#!/usr/bin/env bash
# Builds everything and runs every test: the plain C++ code natively under
# AddressSanitizer and UBSan, then the Windows program and its tests under
# Wine for each arch this host runs (64-bit everywhere, 32-bit where the
# kernel can), each arch in its own prefix. ZARVIK_ARCH=32|64|both overrides.
set -euo pipefail
# Quieter nested builds when started from make.
unset MAKEFLAGS MFLAGS MAKELEVEL
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/deps.sh
# With the printer set up, a printing test that finds no working printer
# fails; without it, those tests are skipped and listed at the end.
if bash scripts/printer.sh; then
    export ZARVIK_PRINTER=PDF
else
    echo "No printer could be set up: the printing tests will be skipped."
fi
. scripts/arch.sh
zarvik_say_arches

echo "== native build (sanitizers)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DZARVIK_WERROR=ON -DZARVIK_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
(cd build/native && ctest --output-on-failure)

echo "== fuzz targets: corpus replay (make fuzz fuzzes)"
bash scripts/fuzz.sh --replay

for arch in $ZARVIK_ARCHES; do
    echo "== $arch-bit build"
    bash scripts/build-windows.sh "$arch" all -DZARVIK_WERROR=ON
done

. scripts/xvfb.sh
cleanup() {
    set +e
    [ -n "${ZARVIK_XVFB_PID:-}" ] && kill "$ZARVIK_XVFB_PID" 2>/dev/null
    for arch in $ZARVIK_ARCHES; do
        WINEPREFIX="$root/$(zarvik_build_dir "$arch")/wineprefix" \
            "$(dirname "$ZARVIK_WINE64")/wineserver" -k 2>/dev/null || true
    done
}
trap cleanup EXIT

# Each arch's suite runs to its end even when the other failed; the summary
# lines of both are repeated last.
summaries=()
failed=0
for arch in $ZARVIK_ARCHES; do
    dir="$root/$(zarvik_build_dir "$arch")"
    echo "== $arch-bit tests under Wine"
    bash scripts/wine-prefix.sh "$dir/wineprefix" "$arch"
    set +e
    (cd "$dir" && ctest --output-on-failure -j "$jobs") | tee "$dir/ctest.log"
    status=${PIPESTATUS[0]}
    set -e
    [ "$status" -eq 0 ] || failed=1
    summaries+=("$arch-bit: $(grep -E 'tests passed' "$dir/ctest.log" | tail -n 1)")
done
case " $ZARVIK_ARCHES " in
    *" 32 "*) ;;
    *) if [ "$ZARVIK_HOST32" = 0 ]; then
           summaries+=("32-bit: not built or run on this host: its kernel runs no 32-bit code (it refuses Wine's 32-bit loader).")
       else
           summaries+=("32-bit: not built or run: ZARVIK_ARCH=$ZARVIK_ARCH.")
       fi ;;
esac
echo "== summary"
printf '%s\n' "${summaries[@]}"
skipped=$(bash scripts/skipped.sh native build/native
    for arch in $ZARVIK_ARCHES; do bash scripts/skipped.sh "$arch-bit" "$(zarvik_build_dir "$arch")"; done)
if [ -n "$skipped" ]; then
    echo "Skipped cases:"
    printf '%s\n' "$skipped"
else
    echo "No case was skipped."
fi
exit "$failed"

#!/usr/bin/env bash
# Builds the libFuzzer targets natively with clang and the sanitizers, then
# for each target replays its corpus in tests/fuzz/corpus and fuzzes it for
# FUZZ_SECONDS (default 60). New inputs go to build/fuzz/corpus/<target>,
# findings to build/fuzz/findings/<target>: copy a finding into the target's
# corpus folder so every test run replays it.
# With --replay only the corpus is replayed (what make test does: the same
# inputs every run).
# FUZZ_RUNS=N runs each target for N executions instead of a time, and
# FUZZ_TARGETS="logstore size" fuzzes only the targets named.
set -euo pipefail
unset MAKEFLAGS MFLAGS MAKELEVEL
cd "$(dirname "$0")/.."
root=$PWD
replay=0
[ "${1:-}" = "--replay" ] && replay=1
seconds=${FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZARVIK_WERROR=ON -DZARVIK_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)" >/dev/null

if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); what="$FUZZ_RUNS runs"
else limit=(-max_total_time="$seconds"); what="${seconds}s"; fi

for exe in build/fuzz/tests/fuzz/*_fuzz; do
    name=$(basename "$exe" _fuzz)
    case " ${FUZZ_TARGETS:-$name} " in *" $name "*) ;; *) continue ;; esac
    seeds="$root/tests/fuzz/corpus/$name"
    work="$root/build/fuzz/corpus/$name"
    findings="$root/build/fuzz/findings/$name"
    mkdir -p "$work" "$findings"

    # Each seed named on the command line runs once, announced by name, so a
    # failure names its input. The time-out only catches a hang: a seed
    # runs in milliseconds.
    log="$root/build/fuzz/$name.replay.log"
    status=0
    "$exe" -timeout=60 -rss_limit_mb=2048 -artifact_prefix="$findings/" "$seeds"/* >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        echo "fuzz $name: the corpus input $(grep '^Running: ' "$log" | tail -n 1 | cut -c 10-) fails:"
        grep -v -E '^(Running: |Executed |INFO: )' "$log" | tail -n 40
        exit 1
    fi
    echo "== fuzz $name: $(grep -c '^Executed ' "$log") corpus inputs replayed"
    [ "$replay" -eq 0 ] || continue

    echo "== fuzz $name ($what)"
    log="$root/build/fuzz/$name.log"
    status=0
    # Purging the allocator (libFuzzer does it each second once RSS passes half
    # the limit, and ASan's quarantine alone keeps it near 500 MB) made the
    # log store's target spend half its time in the kernel at a tenth its speed.
    "$exe" "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -purge_allocator_interval=-1 \
        -artifact_prefix="$findings/" -print_final_stats=1 "$work" "$seeds" >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|#[0-9]+[[:space:]]+DONE)|ERROR|failed' "$log" || true
    [ "$status" -eq 0 ] || { echo "fuzz $name: finding in $findings, see $log"; exit 1; }
done

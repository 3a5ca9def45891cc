#!/usr/bin/env bash
# Runs one GoogleTest program under Wine for CTest (its emulator) and tells
# CTest what the exit code alone hides:
# - A crash, of the program or of any program it started, fails it. Wine's
#   debugger (the crash dialog is off in the test prefix) prints the
#   backtrace into the output, then ends the program with exit code 0.
# - A run that passed with skipped cases exits with 77, which CTest reports
#   as skipped; a failure keeps its code, so a skip never hides it. (A skip
#   pattern on the output would not do: CTest lets a matching pattern
#   override a failing exit code.)
# The output goes through a file, not a pipe: Wine's desktop process,
# started by whichever test first opens a window, inherits the program's
# output and outlives it, and CTest waits for a pipe's every writer.
# With --native in place of PREFIX the program runs on the host itself, so
# that a native run reads a skip as skipped too.
# Usage: run-test.sh PREFIX|--native PROGRAM [ARGS...]
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [ "$1" = --native ]; then
    shift
    "$@" >"$out" 2>&1 </dev/null &
else
    "$(dirname "$0")/wine-exec.sh" "$@" >"$out" 2>&1 </dev/null &
fi
program=$!
tail -n +1 -s 0.2 -f --pid="$program" "$out"
wait "$program"
status=$?
if grep -q '^wine: Unhandled ' "$out"; then
    echo "run-test.sh: a program crashed (Wine's report above); its exit code was $status"
    exit 1
fi
if [ "$status" -eq 0 ] && grep -q '^\[  SKIPPED \] [0-9]* tests\?, listed below:' "$out"; then
    exit 77
fi
exit "$status"

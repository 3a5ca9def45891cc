#!/usr/bin/env bash
# Lists every skipped GoogleTest case, with its reason, from the logs CTest
# keeps of its last run (Testing/Temporary/LastTest.log in a build tree).
# Usage: skipped.sh LABEL BUILD-DIR
# Prints one line per case, "LABEL program: Suite.Case: reason"; nothing when
# no case was skipped.
set -eu
log="$2/Testing/Temporary/LastTest.log"
[ -f "$log" ] || exit 0
tr -d '\r' <"$log" | awk -v label="$1" '
    # CTest heads each program'"'"'s output with "N/M Test: name".
    /^[0-9]+\/[0-9]+ Test: / { program = $3 }
    /^\[ RUN      \] / { reason = ""; inside = 0; next }
    # GoogleTest writes "file:line: Skipped", then the message, then the verdict.
    /: Skipped$/ { inside = 1; next }
    /^\[  SKIPPED \] .* \([0-9]+ ms\)$/ {
        sub(/ \([0-9]+ ms\)$/, "", $0); sub(/^\[  SKIPPED \] /, "", $0)
        printf "%s %s: %s: %s\n", label, program, $0, (reason == "" ? "no reason given" : reason)
        inside = 0; next
    }
    inside && NF { reason = (reason == "" ? $0 : reason " " $0) }
'

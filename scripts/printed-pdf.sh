#!/bin/sh
# The host's side of the printing tests, which print through CUPS to the
# cups-pdf printer "PDF" (scripts/printer.sh) and read back what it made.
#   printed-pdf.sh mark         prints "READY" when PDF is the default printer
#                               and marks the time, else why not
#   printed-pdf.sh wait TITLE   the pdfinfo of the first PDF titled TITLE made
#                               after the mark, "====", then its text
# Other jobs (an earlier test's, another program's) may land in the same
# folder meanwhile: the one wanted is newer than the mark and has the title.
set -u
dir="$HOME/PDF"
mark="$dir/.zarvik-print-mark"
case "${1:-}" in
mark)
    lpstat -d 2>/dev/null | grep -q ': PDF$' || { echo "PDF is not the default printer: $(lpstat -d 2>&1)"; exit 0; }
    mkdir -p "$dir" && touch "$mark" && echo READY
    ;;
wait)
    # cups-pdf writes the file once the job has gone through the queue; the
    # deadline only ends a hang, inside the test's own.
    end=$(($(date +%s) + 230))
    while [ "$(date +%s)" -lt "$end" ]; do
        f=$(find "$dir" -name '*.pdf' -newer "$mark" \
            -exec sh -c 'pdfinfo "$1" 2>/dev/null | grep -qF "$2"' _ {} "$2" \; -print | head -n 1)
        if [ -n "$f" ]; then
            pdfinfo "$f"
            echo ====
            pdftotext -layout "$f" -
            exit 0
        fi
        sleep 0.1
    done
    echo "no PDF titled $2 appeared"
    ;;
*)
    echo "usage: printed-pdf.sh mark | wait TITLE" >&2
    exit 2
    ;;
esac

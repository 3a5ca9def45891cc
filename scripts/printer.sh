#!/usr/bin/env bash
# Makes sure CUPS runs with a PDF printer "PDF" as the default, so the
# program's Print Report has a real printer under Wine. Idempotent.
set -u
if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1; then
    echo "printer.sh: CUPS is not installed; printing tests will see no printer" >&2
    exit 0
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    (cupsd >/dev/null 2>&1 || /usr/sbin/cupsd >/dev/null 2>&1) || true
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
fi
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
if ! lpstat -p PDF >/dev/null 2>&1 && [ -n "$ppd" ]; then
    lpadmin -p PDF -v cups-pdf:/ -P "$ppd" -E >/dev/null 2>&1 || true
fi
if [ "$(lpstat -d 2>/dev/null | sed 's/.*: //')" != "PDF" ]; then
    lpadmin -d PDF >/dev/null 2>&1 || true
fi
exit 0

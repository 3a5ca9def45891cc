#!/usr/bin/env bash
# Makes sure CUPS runs with a PDF printer "PDF" as the default, so the
# program's Print Report has a real printer under Wine. Idempotent.
# Exits non-zero, saying why, when it cannot: the caller then knows the
# printing tests have no printer (and skips them rather than failing them).
set -u
fail() { echo "printer.sh: $*" >&2; exit 1; }
if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1; then
    fail "CUPS is not installed"
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    (cupsd >/dev/null 2>&1 || /usr/sbin/cupsd >/dev/null 2>&1) || true
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q "is running" || fail "the CUPS scheduler does not start"
fi
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
if ! lpstat -p PDF >/dev/null 2>&1; then
    [ -n "$ppd" ] || fail "no cups-pdf driver (package printer-driver-cups-pdf)"
    lpadmin -p PDF -v cups-pdf:/ -P "$ppd" -E >/dev/null 2>&1 || fail "lpadmin cannot add the printer PDF"
fi
if [ "$(lpstat -d 2>/dev/null | sed 's/.*: //')" != "PDF" ]; then
    lpadmin -d PDF >/dev/null 2>&1 || fail "lpadmin cannot make PDF the default printer"
fi
lpstat -p PDF 2>/dev/null | grep -q "enabled" || fail "the printer PDF is not enabled: $(lpstat -p PDF 2>&1)"
exit 0

#!/bin/sh
# A 50,000-line order printed to PDF by the command line: ten lines a page, so 5,000
# pages, the last one numbered as such and holding the last line.
# Usage: big-order-pdf.sh CLI
set -eu
CLI=$1
command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null || exit 77
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

awk 'BEGIN { for (i = 1; i <= 50000; i++)
    printf "%d|$1,234.50|2-3 Weeks|R187PA%04dBSG|WR-187 Straight Section, line %d\r\n",
        i % 99999 + 1, 1000 + i % 9000, i }' >"$WORK/order.txt"
QT_QPA_PLATFORM=offscreen "$CLI" pdf order "$WORK/order.txt" "$WORK/order.pdf" 2>"$WORK/err" ||
    fail "pdf order exited $?: $(cat "$WORK/err")"
[ ! -s "$WORK/err" ] || fail "messages: $(head -n 3 "$WORK/err")"
pages=$(pdfinfo "$WORK/order.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 5000 ] || fail "$pages pages, expected 5000"
last=$(pdftotext -f 5000 -l 5000 "$WORK/order.pdf" -)
echo "$last" | grep -q "Page 5000 of 5000" || fail "the last page is not numbered 5000 of 5000"
echo "$last" | grep -q "line 50000$" || fail "the last line is not on the last page"
echo "$last" | grep -q "line 49990$" && fail "line 49990 is on the last page"
exit 0

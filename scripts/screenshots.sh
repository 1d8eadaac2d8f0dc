#!/bin/sh
# Renders every window of the program to PNG files without a display (Qt's offscreen
# platform) and prints the folder they are in.
#   scripts/screenshots.sh                   builds the release preset first (as run.sh does)
#   scripts/screenshots.sh BUILD_DIR         uses the programs already built in BUILD_DIR
#   scripts/screenshots.sh --docs [BUILD_DIR]
#       renders them in a fresh program folder with the sample catalogue, so that no
#       settings or histories of earlier runs show, and copies the pictures that the
#       user guide and the README show into docs/guide/ (the ones no longer shown are
#       removed there)
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
DOCS=0
if [ "${1:-}" = "--docs" ]; then
    DOCS=1
    shift
fi
if [ $# -ge 1 ]; then
    BUILD=$(CDPATH= cd -- "$1" && pwd)
else
    "$ROOT/scripts/bootstrap.sh"
    BUILD="$ROOT/build/release"
fi
TOOL="$BUILD/bin/corvane38-screenshots"
if [ ! -x "$TOOL" ]; then
    echo "$TOOL is missing: the Qt program was not built." >&2
    exit 1
fi
OUT="$ROOT/build/screenshots"
mkdir -p "$OUT"
if [ "$DOCS" -eq 1 ]; then
    FRESH=$(mktemp -d)
    trap 'rm -rf "$FRESH"' EXIT
    cp "$TOOL" "$FRESH/"
    cp -R "$ROOT/data/Data" "$ROOT/data/Images" "$FRESH/"
    TOOL="$FRESH/corvane38-screenshots"
    rm -f "$OUT"/*.png
fi
QT_QPA_PLATFORM=offscreen timeout -k 5 120 "$TOOL" "$OUT" >/dev/null
echo "Screenshots of every window: $OUT"
ls "$OUT"
[ "$DOCS" -eq 1 ] || exit 0

GUIDE="$ROOT/docs/guide"
mkdir -p "$GUIDE"
SHOWN=$(cat "$ROOT/docs/user-guide.md" "$ROOT/README.md" |
    grep -o 'guide/[A-Za-z0-9_-]*\.png' | sed 's|^guide/||' | sort -u)
missing=0
for name in $SHOWN; do
    if [ -f "$OUT/$name" ]; then
        cp "$OUT/$name" "$GUIDE/$name"
    else
        echo "The guide shows $name, which the screenshot tool did not make." >&2
        missing=1
    fi
done
for file in "$GUIDE"/*.png; do
    [ -e "$file" ] || continue
    if ! echo "$SHOWN" | grep -qx "$(basename -- "$file")"; then
        rm -f "$file"
    fi
done
echo "The guide's pictures: $GUIDE"
exit $missing

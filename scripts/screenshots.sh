#!/bin/sh
# Renders every window of the program to PNG files without a display (Qt's offscreen
# platform) and prints the folder they are in.
#   scripts/screenshots.sh            builds the release preset first (as run.sh does)
#   scripts/screenshots.sh BUILD_DIR  uses the programs already built in BUILD_DIR
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
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
QT_QPA_PLATFORM=offscreen timeout -k 5 120 "$TOOL" "$OUT" >/dev/null
echo "Screenshots of every window: $OUT"
ls "$OUT"

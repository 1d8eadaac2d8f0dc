#!/bin/sh
# Starts the configurator built by run.sh on the sample catalogue. With a display it
# simply runs. Without one it runs under a virtual display (Xvfb), saves a picture of
# the main window, closes the program and says where the picture is; it gives up
# after a minute rather than hang.
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
PROGRAM="$ROOT/build/release/bin/corvane38"

if [ ! -x "$PROGRAM" ]; then
    echo "The program is not built yet: run scripts/run.sh." >&2
    exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM" "$@"
fi

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "There is no display, and xvfb-run (package xvfb) is missing to make one." >&2
    exit 1
fi

SHOTS="$ROOT/build/screenshots"
SHOT="$SHOTS/corvane38-main-window.png"
mkdir -p "$SHOTS"
rm -f "$SHOT"
echo "No display: starting Corvane 38 on a virtual display to take a screenshot."
status=0
CORVANE38_SCREENSHOT="$SHOT" timeout -k 5 60 \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$PROGRAM" "$@" || status=$?
if [ "$status" -ne 0 ] || [ ! -s "$SHOT" ]; then
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "Corvane 38 did not finish within a minute and was stopped." >&2
    else
        echo "Corvane 38 ended with exit code $status." >&2
    fi
    [ -s "$SHOT" ] && echo "What the screen showed: $SHOT" >&2
    exit 1
fi
echo "The program ran and was closed again. Its main window: $SHOT"

#!/bin/sh
# Runs a command on a fresh virtual X display (Xvfb) with a window manager (openbox),
# as on a user's desktop: a window manager frames a new window before it may be drawn,
# so what a program draws too early is lost there, as it is for the user.
set -u
if [ "${1:-}" != "--inside" ]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "xvfb-run (package xvfb) is missing" >&2
        exit 1
    fi
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" --inside "$@"
fi
shift
READY=$(mktemp)
rm -f "$READY"
wm=""
if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable --startup "touch $READY" >/dev/null 2>&1 &
    wm=$!
    tries=0
    while [ ! -e "$READY" ] && [ "$tries" -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    rm -f "$READY"
else
    echo "openbox is missing: running without a window manager" >&2
fi
status=0
"$@" || status=$?
if [ -n "$wm" ]; then
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
fi
exit "$status"

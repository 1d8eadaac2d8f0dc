#!/bin/sh
# Uses the program as a user does: installs the build into a scratch program folder,
# starts it on a virtual display with a window manager and the accessibility bus, and
# runs tests/e2e's scenarios (all, or those named). Keeps the folder, with a screenshot
# of each failure, only when a scenario fails.
#   scripts/e2e.sh [--build DIR] [SCENARIO...]
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
# The mutation check names its scratch build through the environment.
BUILD="${CORVANE_BUILD_DIR:-$ROOT/build/release}"
if [ "${1:-}" = "--build" ]; then
    BUILD=$2
    shift 2
fi
WORK=$(mktemp -d "${TMPDIR:-/tmp}/corvane38-e2e.XXXXXX")
cmake --install "$BUILD" --prefix "$WORK/program" >/dev/null
status=0
# Python with pyatspi is the system's own, whatever python3 comes first on PATH.
dbus-run-session -- /usr/bin/python3 "$ROOT/tests/support/e2e/run.py" --program "$WORK/program" \
    --cli "$WORK/program/corvane38-cli" --work "$WORK" "$@" || status=$?
if [ "$status" -eq 0 ]; then
    rm -rf "$WORK"
else
    echo "e2e: scratch folder kept: $WORK"
fi
exit "$status"

#!/bin/sh
# Installs what is missing, builds and starts the configurator on the sample catalogue.
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
"$ROOT/scripts/bootstrap.sh"
BIN="$ROOT/build/release/bin"
if [ -x "$BIN/corvane38" ]; then
    exec "$ROOT/scripts/start-program.sh" "$@"
fi
# Without Qt only the command line is built: check the sample catalogue with it.
exec "$BIN/corvane38-cli" check

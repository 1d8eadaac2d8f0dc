#!/bin/sh
# Installs what is missing, builds and runs every test.
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
"$ROOT/scripts/bootstrap.sh"
cd "$ROOT"
ctest --preset release -j "$(nproc)"

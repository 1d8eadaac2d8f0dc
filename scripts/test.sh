#!/bin/sh
# Installs what is missing, builds, runs every test and checks the sources' layout.
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
"$ROOT/scripts/bootstrap.sh"
cd "$ROOT"
ctest --preset release -j "$(nproc)"
# The installed program, used as a user does.
"$ROOT/scripts/e2e.sh"
"$ROOT/scripts/check-format.sh"
"$ROOT/scripts/check-layers.sh"

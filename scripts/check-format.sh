#!/bin/sh
# Fails when a C++ source of the project is not laid out as .clang-format says.
# `clang-format -i FILE` mends a file it names.
set -eu
cd "$(dirname -- "$0")/.."
find . \( -path ./build -o -name '.*' ! -name . \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror

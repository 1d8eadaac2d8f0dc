#!/bin/sh
# Builds the asan preset (Debug, AddressSanitizer and UBSan) and runs the whole suite
# under it. Any finding of either sanitizer fails the test that met it.
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
cd "$ROOT"
if [ ! -f build/asan/CMakeCache.txt ]; then
    cmake --preset asan >/dev/null
fi
cmake --build --preset asan -j "$(nproc)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --preset asan -j "$(nproc)"

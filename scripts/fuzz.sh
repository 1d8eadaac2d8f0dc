#!/bin/sh
# Builds the libFuzzer harnesses of tests/fuzz (preset "fuzz": clang 14, ASan and
# UBSan) and runs each for SECONDS, default 60, starting from its committed seeds.
# Inputs found to grow coverage go to build/fuzz/corpus/NAME, crashing inputs to
# build/fuzz/artifacts/. Exits non-zero when any harness fails.
#   scripts/fuzz.sh [SECONDS [NAME...]]     e.g. scripts/fuzz.sh 600 fuzz_price
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
SECONDS_EACH=${1:-60}
[ $# -gt 0 ] && shift
cd "$ROOT"

if ! command -v clang++-14 >/dev/null 2>&1 ||
    ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
        clang-14 libclang-rt-14-dev
fi

if [ ! -f build/fuzz/CMakeCache.txt ]; then
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz -j "$(nproc)"

NAMES=${*:-$(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
mkdir -p build/fuzz/artifacts
failed=""
printf '%-20s %8s %12s %10s\n' harness seconds executions result
for name in $NAMES; do
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    log=build/fuzz/$name.log
    if build/fuzz/fuzz/"$name" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2560 \
        -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$name-" \
        "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        failed="$failed $name"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    printf '%-20s %8s %12s %10s\n' "$name" "$SECONDS_EACH" "${runs:-?}" "$result"
done
if [ -n "$failed" ]; then
    for name in $failed; do
        echo "--- $name (build/fuzz/$name.log):"
        grep -E "ERROR|rule broken|runtime error|SUMMARY|Test unit written" "build/fuzz/$name.log" | head -n 20
    done
    exit 1
fi

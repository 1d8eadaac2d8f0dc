#!/bin/sh
# Builds the benchmarks in their own build folder (build/bench: Release, benchmarks on,
# no tests; the normal build and ctest never see them), writes the sample
# catalogue and one twenty times its size beside them, checks that both pass `check`
# and give the same answers for real parts, runs every benchmark on each and prints
# one table: each figure's median beside its floor, the ratio and the target. The
# printouts, the preview page and the windows are drawn on Qt's offscreen platform.
#   scripts/bench.sh                   REPS=5 MIN_TIME=0.05 by default
#   REPS=9 MIN_TIME=0.2 scripts/bench.sh   steadier, slower
#   scripts/bench.sh FILTER            only the benchmarks matching the regex FILTER
set -eu
ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
PACKAGES="cmake g++ make python3 libbenchmark-dev qt6-base-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

BUILD="$ROOT/build/bench"
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCHMARKS=ON \
    -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_UI=ON $LAUNCHER >/dev/null
cmake --build "$BUILD" -j 2 --target corvane_bench corvane_print_bench corvane_startup_bench \
    corvane38-cli

# The catalogues live in the build folder: the writers' benchmarks write beside them.
rm -rf "$BUILD/cat1" "$BUILD/cat20"
mkdir -p "$BUILD/cat1"
cp -r "$ROOT/data/Data" "$ROOT/data/Images" "$BUILD/cat1/"
python3 "$ROOT/scripts/make_large_catalogue.py" "$BUILD/cat20"

CLI="$BUILD/bin/corvane38-cli"
answers() {
    for part in $(cut -d'|' -f2 "$ROOT/data/Data/Conversion.tbl" | tail -n +2 | tr -d '\r') \
        P090WA ST090S; do
        "$CLI" --app-dir "$1" setup "$part" 2>&1 || true
        "$CLI" --app-dir "$1" price "$part" 3 2>&1 || true
    done
    for old in $(cut -d'|' -f1 "$ROOT/data/Data/Conversion.tbl" | tail -n +2 | tr -d '\r'); do
        "$CLI" --app-dir "$1" convert "$old" 2>&1 || true
    done
}
for cat in cat1 cat20; do
    "$CLI" --app-dir "$BUILD/$cat" check >/dev/null || {
        echo "The $cat catalogue does not pass check." >&2
        exit 1
    }
done
if [ "$(answers "$BUILD/cat1")" != "$(answers "$BUILD/cat20")" ]; then
    echo "The large catalogue changes an answer about a real part." >&2
    exit 1
fi
echo "Both catalogues pass check and give the same answers for real parts."

FILTER=${1:-.}
for cat in cat1 cat20; do
    echo "Running on $cat ..."
    "$BUILD/bin/corvane_bench" --app-dir="$BUILD/$cat" --benchmark_filter="$FILTER" \
        --benchmark_repetitions="${REPS:-5}" --benchmark_min_time="${MIN_TIME:-0.05}" \
        --benchmark_report_aggregates_only=true --benchmark_format=json \
        >"$BUILD/$cat-core.json"
    for program in print startup; do
        QT_QPA_PLATFORM=offscreen "$BUILD/bin/corvane_${program}_bench" --app-dir="$BUILD/$cat" \
            --benchmark_filter="$FILTER" \
            --benchmark_repetitions="${REPS:-5}" --benchmark_min_time="${MIN_TIME:-0.05}" \
            --benchmark_report_aggregates_only=true --benchmark_format=json \
            >"$BUILD/$cat-$program.json" 2>/dev/null
    done
    python3 -c 'import json, sys
# A filter that matches nothing in one program leaves its file empty.
runs = [json.load(open(p)) for p in sys.argv[2:] if open(p).read().strip()]
runs[0]["benchmarks"] = [b for r in runs for b in r["benchmarks"]]
json.dump(runs[0], open(sys.argv[1], "w"))' "$BUILD/$cat.json" "$BUILD/$cat-core.json" \
        "$BUILD/$cat-print.json" "$BUILD/$cat-startup.json"
done
echo
python3 "$ROOT/scripts/bench_table.py" "$BUILD/cat1.json" "$BUILD/cat20.json"
echo
for cat in cat1 cat20; do
    echo "A 1,000-line list on $cat:"
    python3 "$ROOT/bench/quote_list.py" "$CLI" "$BUILD/$cat"
done

#!/bin/sh
# Fails when a source includes a header of a folder that its own folder may not use:
# includes run downwards only, from the program entry to the catalogue.
#
#   scripts/check-layers.sh [--root DIR]     (default: this source tree)
#
# Every `#include "folder/..."` of every .cpp and .h is checked against LAYERS below.
# A line names a folder (or, for a few files, a path prefix: the longest that fits a
# file wins) and the folders it may include besides its own. A folder that is not in
# the table may not be included by anything in it.
set -eu

LAYERS='
catalogue
controls    catalogue
orders      catalogue controls
update      catalogue controls
wizard      catalogue controls orders
entry       catalogue controls orders wizard
printing    catalogue controls orders wizard
check       catalogue orders wizard entry
app         catalogue controls orders update wizard entry printing
cli         catalogue orders wizard entry printing check
tools       catalogue controls orders update wizard entry printing check app
bench       catalogue controls orders update wizard entry printing check app
tests       catalogue controls orders update wizard entry printing check app cli
# The order window prints its order and the Add to Order dialog opens with it.
orders/OrderWindow   catalogue controls orders printing
'

ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
while [ $# -gt 0 ]; do
    case $1 in
    --root)
        [ $# -ge 2 ] || { echo "check-layers: --root needs a folder" >&2; exit 2; }
        ROOT=$2
        shift 2
        ;;
    *)
        echo "usage: check-layers.sh [--root DIR]" >&2
        exit 2
        ;;
    esac
done
cd "$ROOT"

# xargs may split the files over several awk runs; any failing one fails the check.
if find . \( -path ./build -o -name '.*' ! -name . \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print |
    sed 's#^\./##' | sort |
    { tr '\n' '\0' | xargs -0 -r awk -v layers="$LAYERS" '
        BEGIN {
            n = split(layers, lines, "\n")
            for (i = 1; i <= n; ++i) {
                if (lines[i] ~ /^[ \t]*(#|$)/) continue
                k = split(lines[i], f, /[ \t]+/)
                keys[f[1]] = 1
                for (j = 2; j <= k; ++j) allowed[f[1], f[j]] = 1
            }
            bad = 0
        }
        FNR == 1 {
            # The longest key that is a folder of the file or a prefix of its path.
            rule = ""
            for (key in keys) {
                if ((index(FILENAME, key "/") == 1 || (key ~ /\// && index(FILENAME, key) == 1)) &&
                    length(key) > length(rule))
                    rule = key
            }
            own = FILENAME
            sub(/\/.*/, "", own)
        }
        /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
            target = $0
            sub(/^[^"]*"/, "", target)
            sub(/".*/, "", target)
            folder = target
            sub(/\/.*/, "", folder)
            if (folder == own) next
            if (rule == "" || !((rule, folder) in allowed)) {
                printf "%s:%d: includes %s, but %s may not include %s/\n",
                    FILENAME, FNR, target, (rule == "" ? own : rule), folder
                bad = 1
            }
        }
        END { exit bad }
    '; }; then
    exit 0
fi
exit 1

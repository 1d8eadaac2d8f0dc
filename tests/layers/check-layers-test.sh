#!/bin/sh
# scripts/check-layers.sh passes on this tree, and fails on a copy of it into which
# one include has been added that runs against the layers (and not on one that runs
# with them). Usage: check-layers-test.sh SOURCE_DIR
set -eu
SRC=$1
CHECK="$SRC/scripts/check-layers.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0

"$CHECK" || { echo "FAIL: the tree itself breaks its layers"; failures=1; }

# The sources once; each case links them and replaces the one file it changes.
(cd "$SRC" && find -L catalogue controls orders update wizard entry printing check app cli tests \
    \( -name '*.cpp' -o -name '*.h' \) -print) | while read -r source; do
    mkdir -p "$WORK/base/$(dirname "$source")"
    cp "$SRC/$source" "$WORK/base/$source"
done

# FILE (made if missing) | INCLUDE added at its top | expected: pass or fail
while IFS='|' read -r file include expect; do
    [ -n "$file" ] || continue
    rm -rf "$WORK/tree"
    cp -al "$WORK/base" "$WORK/tree"
    mkdir -p "$(dirname "$WORK/tree/$file")"
    { printf '#include "%s"\n' "$include"; cat "$WORK/tree/$file" 2>/dev/null || true; } \
        >"$WORK/out"
    mv "$WORK/out" "$WORK/tree/$file"
    if "$CHECK" --root "$WORK/tree" >"$WORK/report" 2>&1; then got=pass; else got=fail; fi
    if [ "$got" != "$expect" ]; then
        echo "FAIL: $file including $include: expected $expect, got $got"
        cat "$WORK/report"
        failures=1
    elif [ "$got" = fail ] && ! grep -q "^$file:1: includes $include" "$WORK/report"; then
        echo "FAIL: the report does not name $file:1 and $include"
        cat "$WORK/report"
        failures=1
    fi
done <<'EOF'
catalogue/TxtTable.h|check/CatalogueCheck.h|fail
catalogue/TxtTable.cpp|entry/ConversionCheck.h|fail
wizard/Main.cpp|app/About.h|fail
wizard/Main.cpp|printing/PreviewWindow.h|fail
wizard/Main.cpp|update/UpdateWindow.h|fail
wizard/Configurator.cpp|entry/SetupFromPartNumber.h|fail
orders/OrderLines.cpp|printing/Printouts.h|fail
controls/Form.h|tests/support/TempFolder.h|fail
cli/Cli.cpp|app/Program.h|fail
wizard/Main.cpp|controls/Form.h|pass
check/CatalogueCheck.cpp|printing/Specs.h|fail
app/Program.cpp|check/CatalogueCheck.h|fail
cli/CmdCheck.cpp|check/CatalogueCheck.h|pass
tests/catalogue/New.cpp|cli/Cli.h|pass
EOF
exit $failures

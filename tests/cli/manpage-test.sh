#!/bin/sh
# The manual page that the build made from --help shows every command --help lists,
# each at the start of a line, and the version.
# Usage: manpage-test.sh PROGRAM MANPAGE
set -eu
PROGRAM=$1
PAGE=$2
commands=$("$PROGRAM" --help | sed -n '/^commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' | sort -u)
[ -n "$commands" ] || { echo "FAIL: --help lists no commands"; exit 1; }
shown=$(MANWIDTH=100 man -l -P cat "$PAGE" 2>/dev/null | col -b)
failures=0
for command in $commands; do
    if ! printf '%s\n' "$shown" | grep -Eq "^[[:space:]]+$command( |$)"; then
        echo "FAIL: the manual page does not show the command $command"
        failures=1
    fi
done
version=$("$PROGRAM" --version | sed 's/^corvane38-cli //')
if ! printf '%s\n' "$shown" | grep -q "corvane38-cli $version"; then
    echo "FAIL: the manual page does not name version $version"
    failures=1
fi
exit $failures

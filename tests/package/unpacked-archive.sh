#!/bin/sh
# The CPack archive unpacked in a folder of its own (its name with a blank in it) runs
# there, and its user install script puts a valid menu entry in place and takes it out
# again. Usage: unpacked-archive.sh BUILD_DIR
set -eu
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The archive of what the install rules lay out. CPack packs an installed copy here
# rather than the build tree, which it would first bring up to date while other tests
# run its programs.
cmake --install "$BUILD" --prefix "$WORK/stage" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log" >&2; fail "cmake --install"; }
cpack --config "$BUILD/CPackConfig.cmake" -D CPACK_INSTALL_CMAKE_PROJECTS= \
    -D "CPACK_INSTALLED_DIRECTORIES=$WORK/stage;." -B "$WORK/out" >>"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log" >&2; fail "cpack"; }
set -- "$WORK"/out/corvane38-*.tar.gz
[ -f "$1" ] || fail "no archive in $WORK/out"
mkdir "$WORK/another place"
tar xzf "$1" -C "$WORK/another place"
APP=$(echo "$WORK/another place"/corvane38-*)
[ -d "$APP" ] || fail "the archive has no corvane38 folder at its top"

# The command line finds the catalogue beside itself, wherever the folder is.
[ "$("$APP/corvane38-cli" check)" = "catalogue ok" ] || fail "check in the unpacked folder"
"$APP/corvane38-cli" configure family=8 waveguide=187 flangeA=B length=12.5 flangeB=A \
    band=S finish=G >"$WORK/configure.txt"
grep -q "^part-number	R187PA0125BSG$" "$WORK/configure.txt" || fail "configure: $(cat "$WORK/configure.txt")"
for file in Data/Family.tbl Images/NA.gif install-user.sh \
    share/bash-completion/completions/corvane38-cli; do
    [ -e "$APP/$file" ] || fail "$file is missing from the archive"
done
# The manual page, where the build could make one, reads from the unpacked folder.
if [ -f "$BUILD/bin/corvane38-cli.1" ]; then
    MANWIDTH=80 man -l -P cat "$APP/corvane38-cli.1" 2>/dev/null | grep -q "corvane38-cli" ||
        fail "the manual page corvane38-cli.1 is missing from the archive"
fi
if [ -x "$BUILD/bin/corvane38" ]; then
    for file in corvane38 corvane38.png; do
        [ -e "$APP/$file" ] || fail "$file is missing from the archive"
    done
fi
if [ -f "$BUILD/bin/Corvane38.html" ]; then
    [ -f "$APP/Corvane38.html" ] || fail "the user guide page is missing from the archive"
    # Every picture the page shows is in the archive.
    for picture in $(grep -o 'src="[^"]*"' "$APP/Corvane38.html" | sed 's/^src="//; s/"$//'); do
        [ -f "$APP/$picture" ] || fail "the guide's picture $picture is missing"
    done
fi
[ -x "$APP/corvane38" ] || { echo "no Qt program built: the menu entry is not tried"; exit 0; }

# The user install, into a home of its own.
export HOME="$WORK/home"
unset XDG_DATA_HOME CORVANE38_HOME
mkdir -p "$HOME"
"$APP/install-user.sh" >/dev/null
ENTRY="$HOME/.local/share/applications/corvane38.desktop"
INSTALLED="$HOME/.local/opt/corvane38"
[ -f "$ENTRY" ] || fail "no menu entry"
desktop-file-validate "$ENTRY" || fail "the menu entry is not valid"
grep -qx "Exec=\"$INSTALLED/corvane38\"" "$ENTRY" || fail "Exec: $(grep ^Exec "$ENTRY")"
[ -x "$INSTALLED/corvane38" ] || fail "the program is not installed"
[ -f "$HOME/.local/share/icons/hicolor/64x64/apps/corvane38.png" ] || fail "no icon"
[ "$("$INSTALLED/corvane38-cli" check)" = "catalogue ok" ] || fail "check in the installed folder"

# Installing again keeps what the program wrote beside itself.
printf '[UNITS]\r\ntype=M\r\n' >"$INSTALLED/Corvane.ini"
"$APP/install-user.sh" >/dev/null
grep -q "type=M" "$INSTALLED/Corvane.ini" || fail "a new install lost the settings"

"$APP/install-user.sh" --remove >/dev/null
[ ! -e "$ENTRY" ] || fail "the menu entry is still there"
[ ! -e "$INSTALLED" ] || fail "the program folder is still there"
[ ! -e "$HOME/.local/share/icons/hicolor/64x64/apps/corvane38.png" ] || fail "the icon is still there"

# A folder that does not hold the program is never removed.
mkdir -p "$WORK/keep"
touch "$WORK/keep/mine.txt"
if CORVANE38_HOME="$WORK/keep" "$APP/install-user.sh" --remove 2>/dev/null; then
    fail "--remove accepted a folder without the program"
fi
[ -f "$WORK/keep/mine.txt" ] || fail "--remove deleted a folder without the program"
echo "the unpacked archive runs and installs for the user"

#!/bin/sh
# Installs Corvane 38 for the current user, with an entry in the applications menu, or
# removes it again. No root rights are needed.
#
#   install-user.sh            from an unpacked archive: installs the folder this script
#                              is in; from the source tree: builds the release preset
#                              and installs that
#   install-user.sh FOLDER     installs the program folder FOLDER
#   install-user.sh --remove   removes the program folder, the menu entry and the icon
#
# The program goes to ~/.local/opt/corvane38 (or $CORVANE38_HOME), a folder the user can
# write to: the program keeps its settings, site list and histories beside itself.
# Installing again replaces the program and the catalogue and keeps those files.
set -eu

HERE=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd)
DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
TARGET=${CORVANE38_HOME:-$HOME/.local/opt/corvane38}
DESKTOP_FILE="$DATA_HOME/applications/corvane38.desktop"
ICON_FILE="$DATA_HOME/icons/hicolor/64x64/apps/corvane38.png"

refresh_menu() {
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database -q "$DATA_HOME/applications" 2>/dev/null || true
    fi
}

# A value of the Exec key: the path quoted, with the characters that the desktop entry
# format reserves escaped.
exec_value() {
    printf '"%s"' "$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')"
}

if [ "${1:-}" = "--remove" ]; then
    rm -f "$DESKTOP_FILE" "$ICON_FILE"
    if [ -d "$TARGET" ]; then
        # Only a folder that holds the program is removed, whatever the variable says.
        if [ ! -e "$TARGET/corvane38" ] && [ ! -e "$TARGET/corvane38-cli" ]; then
            echo "$TARGET does not hold Corvane 38; it is left as it is." >&2
            exit 1
        fi
        rm -rf "$TARGET"
    fi
    refresh_menu
    echo "Corvane 38 removed: $TARGET, the menu entry and the icon."
    exit 0
fi

case "$TARGET" in
*'
'*)
    echo "The program folder's name must not hold a line break." >&2
    exit 1
    ;;
esac

if [ $# -ge 1 ]; then
    SOURCE=$(CDPATH= cd -- "$1" && pwd)
elif [ -x "$HERE/corvane38" ]; then
    SOURCE=$HERE
elif [ -f "$HERE/../CMakePresets.json" ]; then
    SOURCE=""
else
    echo "usage: $0 [FOLDER | --remove]" >&2
    exit 2
fi

mkdir -p "$TARGET"
if [ -n "$SOURCE" ]; then
    if [ ! -x "$SOURCE/corvane38" ] || [ ! -d "$SOURCE/Data" ]; then
        echo "$SOURCE is not a Corvane 38 program folder (corvane38 and Data/ beside it)." >&2
        exit 1
    fi
    if [ "$SOURCE" != "$(CDPATH= cd -- "$TARGET" && pwd)" ]; then
        cp -R "$SOURCE/." "$TARGET/"
    fi
else
    ROOT=$(CDPATH= cd -- "$HERE/.." && pwd)
    "$ROOT/scripts/bootstrap.sh"
    cmake --install "$ROOT/build/release" --prefix "$TARGET" >/dev/null
fi
if [ ! -x "$TARGET/corvane38" ]; then
    echo "The program was not installed: $TARGET/corvane38 is missing." >&2
    exit 1
fi

mkdir -p "$(dirname -- "$DESKTOP_FILE")" "$(dirname -- "$ICON_FILE")"
cp "$TARGET/corvane38.png" "$ICON_FILE"
cat >"$DESKTOP_FILE" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.0
Name=Corvane 38
GenericName=Waveguide Assembly Configurator
Comment=Configure Brenmoor waveguide assemblies, check prices and collect an order
Exec=$(exec_value "$TARGET/corvane38")
Icon=corvane38
Terminal=false
Categories=Office;
StartupWMClass=corvane38
ENTRY
refresh_menu
echo "Corvane 38 installed in $TARGET"
echo "Menu entry: $DESKTOP_FILE"

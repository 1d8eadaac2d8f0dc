#!/bin/sh
# Installs what the build needs on Debian 12, only what is missing, then configures
# and builds the release preset. Run by run.sh, test.sh and screenshots.sh; with
# CORVANE_WERROR=ON (as CI sets it) a compiler warning fails the build.
set -eu

ROOT=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
PACKAGES="cmake g++ make pkg-config libgtest-dev qt6-base-dev libgl-dev xvfb xauth \
fonts-liberation2 fonts-wine xdg-utils libxml2-utils"
PACKAGES="$PACKAGES desktop-file-utils"
PACKAGES="$PACKAGES python3-markdown"
PACKAGES="$PACKAGES clang-format"
PACKAGES="$PACKAGES poppler-utils"
# The manual page of corvane38-cli, and its bash completion.
PACKAGES="$PACKAGES help2man man-db bash-completion"
# The installer's signature (OpenSSL's Ed25519) and scripts/sign-update.
PACKAGES="$PACKAGES libssl-dev openssl"
# The fuzz harnesses of tests/fuzz (scripts/fuzz.sh).
PACKAGES="$PACKAGES clang-14"
PACKAGES="$PACKAGES libclang-rt-14-dev"
# The end-to-end suite (scripts/e2e.sh) and the tests that read back what reaches the
# screen: a window manager, the session and accessibility buses, the accessibility tree
# from Python, real input, and screenshots of failures.
PACKAGES="$PACKAGES openbox dbus at-spi2-core python3-pyatspi xdotool x11-utils \
imagemagick"

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

cd "$ROOT"
if [ ! -f build/release/CMakeCache.txt ]; then
    cmake --preset release >/dev/null
fi
if [ -n "${CORVANE_WERROR:-}" ]; then
    cmake --preset release -DCORVANE_WERROR="$CORVANE_WERROR" >/dev/null
fi
cmake --build --preset release -j "$(nproc)"

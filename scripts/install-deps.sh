#!/bin/sh
# Installs the Debian packages the program, its tests and its look-over tools need.
# Does nothing when every package is already there.
set -eu
PKGS="qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 fonts-liberation2 fontconfig xvfb xauth xdotool imagemagick poppler-utils cmake g++ ninja-build"
missing=""
for p in $PKGS; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

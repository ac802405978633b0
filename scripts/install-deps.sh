#!/bin/sh
# Installs the Debian/Ubuntu packages the game and its tests need, if any is missing, and the
# packages named as arguments (what only one make target needs).
# As root it runs apt-get itself, otherwise through sudo; when neither can work it prints the
# exact command to run and fails.
set -eu

packages="cmake g++ make pkg-config libwxgtk3.2-dev libglib2.0-dev libcairo2-dev libgtk-3-dev libgtest-dev libgmock-dev libbenchmark-dev libpng-dev xvfb xauth x11-utils openbox sway grim libwayland-dev libxkbcommon-dev desktop-file-utils appstream groff-base gettext wx3.2-i18n $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
line="apt-get install -y --no-install-recommends$missing"
if [ "$(id -u)" = 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    run="sudo"
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
    run="sudo"
else
    echo "Cannot install packages without root. Please run:" >&2
    echo "  sudo apt-get update && sudo $line" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -q
$run $line

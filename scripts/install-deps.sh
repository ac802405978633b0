#!/bin/sh
# Installs the Debian/Ubuntu packages a make target needs, if any is missing: the set named first
# (build: what building the game takes; test: that and what the tests run; bench: what the
# benchmarks take; windows: what cross-building the Windows program takes; windows-test: that
# and Wine with what its tests run), then the packages named after it.
# As root it runs apt-get itself, otherwise through sudo; when neither can work it prints the
# exact command to run and fails. It waits up to two minutes for another apt or dpkg to finish.
set -eu

build="cmake g++ make pkg-config libwxgtk3.2-dev libglib2.0-dev libcairo2-dev libgtk-3-dev libpng-dev gettext wx3.2-i18n"
# The Windows program's libraries are built from Debian's source packages (apt-get source).
windows="cmake g++ make pkg-config libpng-dev gettext g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 xz-utils ca-certificates debian-archive-keyring"
set=${1:-test}
[ $# -gt 0 ] && shift
case $set in
build) packages="$build" ;;
test) packages="$build libgtest-dev libgmock-dev xvfb xauth x11-utils openbox sway grim libwayland-dev libxkbcommon-dev desktop-file-utils appstream groff-base" ;;
bench) packages="cmake g++ make pkg-config libpng-dev gettext libbenchmark-dev" ;;
windows) packages="$windows" ;;
windows-test) packages="$windows libgtest-dev libgmock-dev wine wine64 xvfb xauth x11-utils openbox xdotool imagemagick" ;;
*)
    echo "install-deps.sh: unknown set '$set' (build, test, bench, windows or windows-test)" >&2
    exit 2
    ;;
esac
packages="$packages $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
wait="-o DPkg::Lock::Timeout=120"
line="apt-get $wait install -y --no-install-recommends$missing"
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
$run apt-get $wait update -q
$run $line

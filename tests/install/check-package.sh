#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built Debian package against its build: it holds exactly the tree that the build
# installs under /usr, and its dependencies, found by dpkg-shlibdeps, name the wx GTK library.
# Usage: check-package.sh BUILD-DIR PACKAGE.deb
set -u
build=$1
deb=$2
status=0
root=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-package.XXXXXX")
trap 'rm -rf "$root"' EXIT
if ! DESTDIR=$root/tree cmake --install "$build" --prefix /usr >/dev/null; then
    echo "FAILED: cmake --install $build" >&2
    exit 1
fi
# Paths of files and links, without the sizes that stripping changes.
(cd "$root/tree" && find . ! -type d | sed 's|^\./||' | sort) >"$root/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort >"$root/packaged"
if ! diff "$root/installed" "$root/packaged"; then
    echo "FAILED: the package's files (>) differ from the installed tree (<)" >&2
    status=1
fi
depends=$(dpkg-deb -f "$deb" Depends)
case $depends in
*libwxgtk3.2*) ;;
*)
    echo "FAILED: Depends does not name the wx GTK library: $depends" >&2
    status=1
    ;;
esac
[ $status = 0 ] && echo "$deb: the installed tree, depending on: $depends"
exit $status

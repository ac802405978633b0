#!/bin/sh
# Installs a configured build (under its prefix, below DESTDIR when set) and remembers, in the
# build folder, the folders the install makes, so that `make uninstall` can take away exactly
# those that are empty again. Usage: install.sh BUILD-DIR [cmake --install options...]
set -eu
build=$1
shift
made=$build/made-folders.txt
stage=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# The same install into an empty folder first: the folders it holds are those the real one needs.
DESTDIR=$stage cmake --install "$build" >/dev/null
touch "$made"
(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\.||') | while read -r folder; do
    target=${DESTDIR:-}$folder
    [ -d "$target" ] || echo "$target" >>"$made"
done
sort -u -o "$made" "$made"
cmake --install "$build" "$@"

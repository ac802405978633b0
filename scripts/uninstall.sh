#!/bin/sh
# Takes away what scripts/install.sh installed from a build: the files its manifest lists, then
# the folders that install made, where they are empty now. The manifest names the files without
# DESTDIR, which must be the same as for the install. Usage: uninstall.sh BUILD-DIR
set -eu
build=$1
manifest=$build/install_manifest.txt
if [ ! -f "$manifest" ]; then
    echo "uninstall: nothing installed from $build (no $manifest)" >&2
    exit 1
fi
while IFS= read -r file || [ -n "$file" ]; do
    file=${DESTDIR:-}$file
    if [ -e "$file" ] || [ -L "$file" ]; then
        rm -f -- "$file"
        echo "removed $file"
    fi
done <"$manifest"
# Deepest first, so that a folder is empty once what it held is gone.
if [ -f "$build/made-folders.txt" ]; then
    sort -r "$build/made-folders.txt" | while IFS= read -r folder; do
        if rmdir -- "$folder" 2>/dev/null; then
            echo "removed $folder/"
        fi
    done
    rm -f "$build/made-folders.txt"
fi
rm -f "$manifest"

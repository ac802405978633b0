#!/bin/sh
# Builds targets of the Windows program in build-windows/: first the libraries for Windows
# (built once into a cache, see build-windows-libs.sh) and the icon painter for this machine,
# then the game's own build with the MinGW-w64 toolchain file. Prints each phase's time.
# Usage: build-windows.sh TARGET...
set -eu
jobs=${JOBS:-$(nproc)}
started=$(date +%s)

libs=$(./scripts/build-windows-libs.sh | paste -sd ';' -)
wx=${libs##*;}
echo "build-windows.sh: libraries ready after $(($(date +%s) - started)) s" >&2

phase=$(date +%s)
cmake -S . -B build-windows/host -DCMAKE_BUILD_TYPE=Release -DTOBRIX_WX=OFF -DTOBRIX_TESTS=OFF \
    -DTOBRIX_BENCH=OFF >/dev/null
cmake --build build-windows/host -j "$jobs" --target tobrix_icons

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DTOBRIX_WINDOWS_LIBS="$libs" -DwxWidgets_CONFIG_EXECUTABLE="$wx/bin/wx-config" \
    -DTOBRIX_ICON_TOOL="$PWD/build-windows/host/tobrix_icons" -DCMAKE_BUILD_TYPE=Release \
    -DTOBRIX_BENCH=OFF -DTOBRIX_WERROR=ON
cmake --build build-windows -j "$jobs" --target "$@"
echo "build-windows.sh: the game's build took $(($(date +%s) - phase)) s" >&2

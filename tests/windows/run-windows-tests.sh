#!/bin/sh
# Runs the Windows build's tests under Wine, on an Xvfb of their own under openbox: the headless
# unit tests (each CTest entry starts its program through wine), then the game as a player meets
# it: its window shows (a screenshot goes to build/screenshots/windows_*.png), a click on a piece
# and one on a free cell move it, and Escape ends the game.
# Usage: run-windows-tests.sh BUILD-FOLDER
set -eu
build=$(cd "${1:-build-windows}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${TOBRIX_WINDOWS_DISPLAY:-}" ]; then
    export TOBRIX_WINDOWS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

# Wine's own folder for this build, made once (it takes ten seconds or so).
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making Wine's folder $WINEPREFIX" >&2
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
openbox >/dev/null 2>&1 &
wm=$!
# Wine's server and its services (started with the first program) stay for all the tests: were
# they started by a test, they would keep its output open and CTest waiting for its end.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
status=0

echo "== The unit tests under Wine" >&2
jobs=$(nproc 2>/dev/null || echo 2)
ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=1

echo "== The game under Wine" >&2
"$here/play-windows-game.sh" "$build/tobrix.exe" "$root/build/screenshots" || status=1

wineserver -k 2>/dev/null || true
kill "$wm" 2>/dev/null || true
exit $status

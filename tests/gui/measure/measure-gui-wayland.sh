#!/bin/sh
# The real window's figures under Wayland, on a headless sway that runs for all of them (the
# figures measure-gui.sh takes under Xvfb, as far as a compositor allows): the in-process figures,
# the instructions of one jiggle tick counted by callgrind, and the start-up to the first frame
# the compositor shows, with the peak memory. Usage: measure-gui-wayland.sh BUILD_DIR.
set -u
build=$(cd "${1:-build-measure}" 2>/dev/null && pwd)
here=$(cd "$(dirname "$0")" && pwd)
echo "== Under Wayland (Release, a headless sway)"
"$here/../run-on-display.sh" --sway /bin/sh -c '
    touch "$TOBRIX_GUI_MARKER"
    measure="$1/tests/gui/tobrix_gui_measure"
    TOBRIX_MEASURE_SERVER_PID=$(pgrep -n -x sway) "$measure"
    if command -v valgrind >/dev/null 2>&1; then
        "$2/jiggle-instructions.sh" "$measure"
    fi
    # One compositor for all runs: the first start-up is the coldest there is here.
    for run in 1 2 3; do
        env -u GDK_GL "$measure" --startup "$1/tobrix" 9 | sed "s/^/run $run: /"
    done
    env -u GDK_GL "$measure" --startup "$1/tobrix" 20
    floor="$1/tests/gui/tobrix_startup_floor"
    if [ -x "$floor" ]; then
        echo "-- the toolkit'"'"'s floor: a wx frame with one painted panel and nothing else"
        for run in 1 2; do
            env -u GDK_GL "$measure" --startup "$floor" 9 | sed "s/^start-up 9x9/floor/"
        done
    fi' sh "$build" "$here"

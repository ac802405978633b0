#!/bin/sh
# The real window's figures (make measure-gui), each on an X server of its own: the in-process
# figures, the instructions of one jiggle tick counted by callgrind, and the start-up to the first
# painted frame with the peak memory, on freshly started servers (cold) and once more on the same
# server (warm). Usage: measure-gui.sh BUILD_DIR (an optimised build with tobrix_gui_measure).
set -u
build="${1:-build-measure}"
build=$(cd "$build" 2>/dev/null && pwd)
measure="$build/tests/gui/tobrix_gui_measure"
program="$build/tobrix"
for file in "$measure" "$program"; do
    if [ ! -x "$file" ]; then
        echo "$file: no such program (build it first)" >&2
        exit 1
    fi
done
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIPPED: Xvfb is not installed" >&2
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-measure.XXXXXX")
server=""
trap 'stop_server; rm -rf "$work"' EXIT INT TERM

# A fresh X server on a free display; DISPLAY names it afterwards.
start_server() {
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $tries -lt 100 ]; do
        sleep 0.05
        tries=$((tries + 1))
    done
    export DISPLAY=":$n"
}

stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
        server=""
    fi
}

# Controls that animate or blink would add work that is not the game's.
mkdir -p "$work/config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\ngtk-cursor-blink=false\n' \
    >"$work/config/gtk-3.0/settings.ini"

echo "== On the real window (Release, under Xvfb)"
start_server
XDG_CONFIG_HOME="$work/config" TOBRIX_MEASURE_SERVER_PID="$server" "$measure"
stop_server

if command -v strace >/dev/null 2>&1; then
    echo "== System calls per jiggle tick (strace -c attached for 5 s of a 10 s stretch)"
    start_server
    XDG_CONFIG_HOME="$work/config" "$measure" --jiggle 10 >"$work/strace-jiggle.log" 2>&1 &
    traced=$!
    tries=0
    while ! grep -q "stretch begins" "$work/strace-jiggle.log" && [ $tries -lt 300 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    strace -c -f -p "$traced" -o "$work/strace.txt" 2>/dev/null &
    tracer=$!
    sleep 5
    kill -INT "$tracer" 2>/dev/null
    wait "$tracer" 2>/dev/null
    wait "$traced"
    stop_server
    # The game's timer ticks every 80 ms: 5 s hold 62 ticks.
    awk '$1 ~ /^[0-9.]+$/ && $NF != "total" {
            errors = (NF == 6) ? $5 : 0
            printf "%s: %.1f per tick (%.1f of them failed)\n", $NF, $4 / 62.5, errors / 62.5 }' \
        "$work/strace.txt"
fi

if command -v valgrind >/dev/null 2>&1; then
    echo "== Instructions per jiggle tick (callgrind counts instructions, whatever else loads the machine)"
    start_server
    XDG_CONFIG_HOME="$work/config" "$(dirname "$0")/jiggle-instructions.sh" "$measure"
    stop_server
fi

if command -v valgrind >/dev/null 2>&1; then
    echo "== Instructions of the start-up, to the first painted frame and idle (callgrind, whole process)"
    # Under callgrind the start-up takes seconds; after 30 s the program waits idle and the count
    # no longer grows. An empty folder, as on a first start.
    for started in "$program" "$build/tests/gui/tobrix_startup_floor"; do
        [ -x "$started" ] || continue
        start_server
        mkdir -p "$work/empty"
        (cd "$work/empty" && exec env -u GDK_GL valgrind --tool=callgrind \
            --callgrind-out-file="$work/startup.out" "$started" >"$work/startup.log" 2>&1) &
        counted=$!
        sleep 30
        kill -TERM "$counted" 2>/dev/null
        wait "$counted" 2>/dev/null
        stop_server
        printf '%s: %s instructions\n' "$(basename "$started")" \
            "$(sed -n 's/^\(summary\|totals\): *//p' "$work/startup.out" | head -n 1)"
        rm -rf "$work/empty" "$work/startup.out"
    done
fi

echo "== Start-up to the first painted frame and peak memory (a fresh X server each, then warm)"
for run in 1 2 3; do
    start_server
    env -u GDK_GL "$measure" --startup "$program" 9 | sed 's/^/cold: /'
    env -u GDK_GL "$measure" --startup "$program" 9 | sed 's/^/warm: /'
    stop_server
done
for run in 1 2; do
    start_server
    env -u GDK_GL "$measure" --startup "$program" 20 | sed 's/^/cold: /'
    stop_server
done
floor="$build/tests/gui/tobrix_startup_floor"
if [ -x "$floor" ]; then
    echo "-- the toolkit's floor: a wx frame with one painted panel and nothing else"
    for run in 1 2; do
        start_server
        env -u GDK_GL "$measure" --startup "$floor" 9 | sed 's/^start-up 9x9/floor/; s/^/cold: /'
        env -u GDK_GL "$measure" --startup "$floor" 9 | sed 's/^start-up 9x9/floor/; s/^/warm: /'
        stop_server
    done
fi
echo "-- for comparison: GDK_GL set (empty), so the program leaves the toolkit's GL as it is"
start_server
GDK_GL= "$measure" --startup "$program" 9 | sed 's/^/cold: /'
stop_server

# The same figures under Wayland.
if command -v sway >/dev/null 2>&1; then
    "$(dirname "$0")/measure-gui-wayland.sh" "$build"
fi

#!/bin/sh
# Runs the end-to-end suite on a private X server, without a window manager or, with
# `--wm openbox`, under that window manager. Skips (exit 77) only when no X server can be started
# at all: xvfb-run is missing, or Xvfb fails before the suite starts.
set -u
wm=""
if [ "${1:-}" = "--wm" ]; then
    wm="$2"
    shift 2
fi
suite="$1"
shift
if [ ! -x "$suite" ]; then
    echo "$suite: no such program (build it first)" >&2
    exit 1
fi
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run is not installed, so the end-to-end tests have no X server" >&2
    exit 77
fi
if [ -n "$wm" ] && ! command -v "$wm" >/dev/null 2>&1; then
    echo "$wm is not installed (make test installs it)" >&2
    exit 1
fi
marker=$(mktemp -u "${TMPDIR:-/tmp}/tobrix-gui.XXXXXX")
export TOBRIX_GUI_MARKER="$marker"
# Controls that animate their changes or blink their caret would make screenshots depend on the
# moment they are taken.
config=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-gui-config.XXXXXX")
mkdir -p "$config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\ngtk-cursor-blink=false\n' \
    >"$config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME="$config"
# The window manager runs beside the suite; the suite starts once it manages the screen.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh -c '
    wm="$1"
    shift
    if [ -n "$wm" ]; then
        "$wm" >/dev/null 2>&1 &
        wmpid=$!
        tries=0
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
            [ $tries -ge 50 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
    fi
    "$@"
    status=$?
    [ -n "$wm" ] && kill "$wmpid" 2>/dev/null
    exit $status' sh "$wm" "$suite" "$@"
status=$?
if [ ! -e "$marker" ]; then
    rm -rf "$config"
    echo "SKIPPED: Xvfb could not be started, so the end-to-end tests have no X server" >&2
    exit 77
fi
rm -f "$marker"
rm -rf "$config"
exit $status

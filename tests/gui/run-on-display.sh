#!/bin/sh
# Runs the end-to-end suite on a private display: an X server (Xvfb) without a window manager or,
# with `--wm openbox`, under that window manager; or, with `--sway`, a headless sway, the Wayland
# compositor, which the suite then talks Wayland to. Skips (exit 77) only when no display can be
# started at all: the server is not installed, or it fails before the suite starts.
set -u
wm=""
server=xvfb
case "${1:-}" in
--wm)
    wm="$2"
    shift 2
    ;;
--sway)
    server=sway
    shift
    ;;
esac
suite="$1"
shift
if [ ! -x "$suite" ]; then
    echo "$suite: no such program (build it first)" >&2
    exit 1
fi
need=xvfb-run
[ "$server" = sway ] && need=sway
if ! command -v $need >/dev/null 2>&1; then
    echo "SKIPPED: $need is not installed, so the end-to-end tests have no display" >&2
    exit 77
fi
if [ -n "$wm" ] && ! command -v "$wm" >/dev/null 2>&1; then
    echo "$wm is not installed (make test installs it)" >&2
    exit 1
fi
status=1
marker=$(mktemp -u "${TMPDIR:-/tmp}/tobrix-gui.XXXXXX")
export TOBRIX_GUI_MARKER="$marker"
# Controls that animate their changes or blink their caret would make screenshots depend on the
# moment they are taken.
config=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-gui-config.XXXXXX")
mkdir -p "$config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\ngtk-cursor-blink=false\n' \
    >"$config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME="$config"

if [ "$server" = sway ]; then
    # One output the size of the X screen; windows without borders, so that a window's rectangle
    # in sway's tree is its own; the keyboard focus stays where the suite put it when the pointer
    # moves.
    printf 'output HEADLESS-1 resolution 1280x1024\ndefault_border none\n%s\n%s\n' \
        'default_floating_border none' 'focus_follows_mouse no' >"$config/sway.conf"
    runtime="$config/runtime"
    mkdir -m 0700 "$runtime"
    # sway refuses to run as root: then it runs as an ordinary user of a user namespace of its
    # own, which still owns this folder, so the suite (root) and sway share its sockets.
    as_user=""
    [ "$(id -u)" = 0 ] && as_user="unshare --user --map-user=1000"
    env -u DISPLAY XDG_RUNTIME_DIR="$runtime" HOME="$config" WLR_BACKENDS=headless \
        WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        $as_user sway -c "$config/sway.conf" >"$config/sway.log" 2>&1 &
    swaypid=$!
    tries=0
    until [ -S "$runtime/wayland-1" ] && ls "$runtime"/sway-ipc.*.sock >/dev/null 2>&1 ||
        [ $tries -ge 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    if [ -n "$SWAYSOCK" ]; then
        env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$SWAYSOCK" \
            GDK_BACKEND=wayland "$suite" "$@"
        status=$?
    else
        cat "$config/sway.log" >&2
    fi
    kill "$swaypid" 2>/dev/null
    wait "$swaypid" 2>/dev/null
else
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
fi
rm -rf "$config"
if [ ! -e "$marker" ]; then
    echo "SKIPPED: the $server display could not be started, so the end-to-end tests have none" >&2
    exit 77
fi
rm -f "$marker"
exit $status

#!/bin/sh
# Runs the end-to-end suite on a private X server. Skips (exit 77) only when no X server can be
# started at all: xvfb-run is missing, or Xvfb fails before the suite starts.
set -u
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
marker=$(mktemp -u "${TMPDIR:-/tmp}/tobrix-gui.XXXXXX")
export TOBRIX_GUI_MARKER="$marker"
# Controls that animate their changes or blink their caret would make screenshots depend on the
# moment they are taken.
config=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-gui-config.XXXXXX")
mkdir -p "$config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\ngtk-cursor-blink=false\n' \
    >"$config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME="$config"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$suite" "$@"
status=$?
if [ ! -e "$marker" ]; then
    rm -rf "$config"
    echo "SKIPPED: Xvfb could not be started, so the end-to-end tests have no X server" >&2
    exit 77
fi
rm -f "$marker"
rm -rf "$config"
exit $status

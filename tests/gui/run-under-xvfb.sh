#!/bin/sh
# Runs the end-to-end suite on a private X server. Skips (exit 77) only when no X server can be
# started at all: xvfb-run is missing, or Xvfb fails before the suite starts.
set -u
suite="$1"
shift
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run is not installed, so the end-to-end tests have no X server" >&2
    exit 77
fi
marker=$(mktemp -u "${TMPDIR:-/tmp}/tobrix-gui.XXXXXX")
export TOBRIX_GUI_MARKER="$marker"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$suite" "$@"
status=$?
if [ ! -e "$marker" ]; then
    echo "SKIPPED: Xvfb could not be started, so the end-to-end tests have no X server" >&2
    exit 77
fi
rm -f "$marker"
exit $status

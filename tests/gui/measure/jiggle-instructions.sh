#!/bin/sh
# Instructions per jiggle tick: runs the measuring program's jiggle stretch under callgrind (which
# counts only that stretch) and divides by the ticks it counted. Usage: jiggle-instructions.sh
# MEASURE_PROGRAM, on the display the caller has set up.
set -u
out=$(mktemp "${TMPDIR:-/tmp}/tobrix-callgrind.XXXXXX")
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out" "$1" --jiggle \
    >"$out.log" 2>&1
ticks=$(sed -n 's/^jiggle ticks counted: //p' "$out.log")
total=$(sed -n 's/^\(summary\|totals\): *//p' "$out" | head -n 1)
if [ -n "$ticks" ] && [ -n "$total" ] && [ "$ticks" -gt 0 ]; then
    echo "jiggle tick (20x20 board, $ticks ticks under callgrind): $((total / ticks)) instructions each"
else
    echo "jiggle tick under callgrind: no figure"
    cat "$out.log"
fi
rm -f "$out" "$out.log"

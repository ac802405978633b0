#!/bin/sh
# Plays the Windows program under Wine as a player would, on the X display already open (with a
# window manager): starts it in an empty folder, waits for its window, screenshots it, moves a
# piece by two clicks (the piece, then a free cell beside it), checks on the screen that the
# piece went there and new pieces came, and ends the game with Escape.
# Usage: play-windows-game.sh TOBRIX.EXE SCREENSHOT-FOLDER
set -eu
exe=$1
shots=$2
mkdir -p "$shots"
folder=$(mktemp -d "${TMPDIR:-/tmp}/tobrix-windows-game.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cp "$exe" "$folder/tobrix.exe"

fail() {
    echo "FAILED: $*" >&2
    kill "$game" 2>/dev/null || true
    exit 1
}

cd "$folder"
wine tobrix.exe &
game=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^TOBRIX[+][+]$' | head -n1) ||
    fail "no window named TOBRIX++ within a minute"
xdotool windowactivate --sync "$window"
sleep 1

# The window's client area: the board's cells are 30 pixels square from its top left corner,
# and the client is 50 pixels wider and 35 taller than the board. A fresh folder gives the
# default board, as many rows as columns; what the X window holds above the client is Wine's
# menu bar.
info=$(xwininfo -id "$window")
left=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
top=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
width=$(echo "$info" | sed -n 's/.*Width: *//p')
height=$(echo "$info" | sed -n 's/.*Height: *//p')
cell=30
cols=$(((width - 50) / cell))
rows=$cols
top=$((top + height - (rows * cell + 35)))
[ "$cols" -ge 5 ] && [ "$cols" -le 20 ] || fail "a window $width pixels wide holds no board"

# The colours at the cells' centres, row by row, "r,g,b" each.
screen=$folder/screen.png
cells() {
    import -window root "$screen"
    format=""
    for r in $(seq 0 $((rows - 1))); do
        for c in $(seq 0 $((cols - 1))); do
            format="$format%[pixel:p{$((left + c * cell + cell / 2)),$((top + r * cell + cell / 2))}] "
        done
    done
    convert "$screen" -colorspace sRGB -format "$format" info: | tr ' ' '\n' | grep -v '^$'
}
# The empty cells' colour is the commonest: a new game has only a few pieces.
cells >"$folder/before"
empty=$(sort "$folder/before" | uniq -c | sort -rn | awk 'NR == 1 { print $2 }')
convert "$screen" -crop "$((width + 20))x$((height + 60))+$((left - 10))+$((top - height + rows * cell + 35 - 40))" \
    +repage "$shots/windows_start.png"
pieces_before=$(grep -cvx "$empty" "$folder/before" || true)
[ "$pieces_before" -gt 0 ] || fail "no piece on the board"

colour_at() { sed -n "$(($2 * cols + $1 + 1))p" "$3"; }
# The first piece with a free cell to its right or left, and that cell.
move=""
for i in $(seq 0 $((rows * cols - 1))); do
    c=$((i % cols))
    r=$((i / cols))
    [ "$(colour_at $c $r "$folder/before")" != "$empty" ] || continue
    for to in $((c + 1)) $((c - 1)); do
        if [ "$to" -ge 0 ] && [ "$to" -lt "$cols" ] && [ "$(colour_at $to $r "$folder/before")" = "$empty" ]; then
            move="$c $r $to"
            break 2
        fi
    done
done
[ -n "$move" ] || fail "no piece with a free cell beside it"
set -- $move
piece=$(colour_at "$1" "$2" "$folder/before")
click() { xdotool mousemove --sync $((left + $1 * cell + cell / 2)) $((top + $2 * cell + cell / 2)) click 1; }
click "$1" "$2"
sleep 0.5
click "$3" "$2"
# The piece walks to the cell, then new pieces arrive.
moved=""
for _ in $(seq 1 40); do
    sleep 0.25
    cells >"$folder/after"
    if [ "$(colour_at "$3" "$2" "$folder/after")" = "$piece" ] &&
        [ "$(colour_at "$1" "$2" "$folder/after")" = "$empty" ] &&
        [ "$(grep -cvx "$empty" "$folder/after")" -gt "$pieces_before" ]; then
        moved=yes
        break
    fi
done
cp "$screen" "$folder/moved.png"
convert "$screen" -crop "$((width + 20))x$((height + 60))+$((left - 10))+$((top - height + rows * cell + 35 - 40))" \
    +repage "$shots/windows_after_move.png"
[ -n "$moved" ] || fail "the piece at column $1, row $2 did not move to column $3 (or no new pieces came)"
echo "moved the piece at column $1, row $2 to column $3; $pieces_before pieces before, $(grep -cvx "$empty" "$folder/after") after"

# Escape ends the game at once.
xdotool windowactivate --sync "$window" key Escape
for _ in $(seq 1 40); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$game" 2>/dev/null; then
    fail "the game still runs ten seconds after Escape"
fi
wait "$game" || true
echo "Escape ended the game"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary DESTDIR under /usr and checks what a desktop and a player get:
# exactly the expected files, a valid desktop entry, metainfo and manual page, icons of the size
# their folders name, a catalogue and a translated desktop entry for every language, the
# program's options, the launcher's data directory and refusal, and an uninstall that leaves
# what was there before.
# Usage: check-install.sh BUILD-DIR APP-ID VERSION BIN-DIR LINGUAS-FILE PREFIX
set -u
build=$1
id=$2
version=$3
bin=$4
languages=$(grep -v '^#' "$5")
prefix=$6
status=0
fail() {
    echo "FAILED: $*" >&2
    status=1
}

root=$(mktemp -d "${TMPDIR:-/tmp}/tobrix install ä.XXXXXX")
trap 'rm -rf "$root"' EXIT
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
# A folder that was there before the install stays after the uninstall.
mkdir -p "$root$prefix/share"
if ! DESTDIR=$root "$scripts/install.sh" "$build" >"$root/install.log" 2>&1; then
    cat "$root/install.log" >&2
    echo "FAILED: cmake --install" >&2
    exit 1
fi
usr=$root$prefix

# Every installed file (links included), nothing more, nothing less.
expected=$(sort <<LIST
$bin/tobrix
$bin/tobrix-launcher
share/applications/$id.desktop
share/doc/tobrix/LICENSE
share/doc/tobrix/README.md
share/doc/tobrix/changelog.gz
share/doc/tobrix/copyright
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/24x24/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/man/man6/tobrix-launcher.6.gz
share/man/man6/tobrix.6.gz
share/metainfo/$id.metainfo.xml
$(for language in $languages; do echo "share/locale/$language/LC_MESSAGES/tobrix.mo"; done)
LIST
)
actual=$(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] ||
    fail "installed files differ from the expected list:
$(printf '%s\n' "$expected" >"$root/expected"; printf '%s\n' "$actual" | diff "$root/expected" -)"

desktop=$usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
launcher=$prefix/$bin/tobrix-launcher
if ! { grep -qx "Exec=$launcher" "$desktop" && grep -qx "TryExec=$launcher" "$desktop" &&
    grep -qx "Icon=$id" "$desktop"; }; then
    fail "the desktop entry does not start $launcher with the icon $id"
fi
metainfo=$usr/share/metainfo/$id.metainfo.xml
for language in $languages; do
    for key in Name Comment Keywords; do
        grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" ||
        fail "the metainfo has no summary in $language"
done
appstreamcli validate --pedantic --no-net "$metainfo" >"$root/as.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$root/as.log")"
# A software centre and the menu find the game by the same words.
words=$(sed -n 's/^Keywords=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
[ "$words" = "$(sed -n 's|^ *<keyword>\(.*\)</keyword>|\1|p' "$metainfo" | sort)" ] ||
    fail "the metainfo's keywords differ from the desktop entry's: $words"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release $version"
for page in tobrix tobrix-launcher; do
    warnings=$(zcat "$usr/share/man/man6/$page.6.gz" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff on $page.6: $warnings"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for icon in "$usr"/share/icons/hicolor/*/apps/"$id".png; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    size=$(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$size" = "$folder" ] || fail "$icon is $size"
done

# The options: arguments, expected status, the stream that must hold the expected text.
while IFS='|' read -r args want stream text; do
    # shellcheck disable=SC2086
    "$usr/$bin/tobrix" $args >"$root/out" 2>"$root/err"
    got=$?
    other=err
    [ "$stream" = err ] && other=out
    if ! { [ "$got" = "$want" ] && grep -qF -- "$text" "$root/$stream" && [ ! -s "$root/$other" ]; }; then
        fail "tobrix $args: status $got, out: $(cat "$root/out"), err: $(cat "$root/err")"
    fi
done <<TABLE
--version|0|out|TOBRIX++ $version
--help|0|out|Usage: tobrix [--help | --version]
--bogus|2|err|tobrix: unrecognised argument '--bogus'
--help extra|2|err|Usage: tobrix [--help | --version]
TABLE
"$usr/$bin/tobrix" --version >/dev/full 2>/dev/null && fail "--version into a full disk succeeded"

# The launcher makes a private data directory, even under an awkward path, runs the game in it
# and passes its status on; it refuses, on one line, when the directory cannot be made.
home="$root/home ü"
XDG_DATA_HOME="$home/data" "$usr/$bin/tobrix-launcher" --bogus 2>/dev/null
[ $? = 2 ] || fail "the launcher did not pass on the game's status 2"
mode=$(stat -c %a "$home/data/tobrix" 2>/dev/null)
[ "$mode" = 700 ] || fail "the launcher's data directory has mode '$mode', not 700"
touch "$root/in the way"
XDG_DATA_HOME="$root/in the way" "$usr/$bin/tobrix-launcher" 2>"$root/err"
got=$?
if ! { [ "$got" != 0 ] && [ "$(wc -l <"$root/err")" = 1 ] &&
    grep -q "^tobrix-launcher: cannot make" "$root/err"; }; then
    fail "the launcher's refusal: status $got, err: $(cat "$root/err")"
fi

# The uninstall takes away every file and every folder the install made, and nothing else.
DESTDIR=$root "$scripts/uninstall.sh" "$build" >"$root/uninstall.log" 2>&1 ||
    fail "uninstall: $(cat "$root/uninstall.log")"
left=$(cd "$root$prefix" && find . -mindepth 1 | sed 's|^\./||')
[ "$left" = share ] || fail "the uninstall left: $left"
exit $status

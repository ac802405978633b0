#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues keep up with the sources: po/tobrix.pot holds exactly the messages the sources
# mark, with their comments (`make pot` writes it anew; where in the sources they stand may lag), and every language of po/LINGUAS compiles cleanly and
# translates every message of it, none fuzzy, none left over from texts the game no longer has.
# Usage: check-catalogues.sh SOURCE-DIR XGETTEXT-COMMAND...
set -u
source=$1
shift
status=0
fail() {
    echo "FAILED: $*" >&2
    status=1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source" || exit 1

# shellcheck disable=SC2046
"$@" -o "$work/tobrix.pot" $(grep -v '^#' po/POTFILES) || fail "xgettext"
grep -v -e '^"POT-Creation-Date' -e '^#:' po/tobrix.pot >"$work/committed"
grep -v -e '^"POT-Creation-Date' -e '^#:' "$work/tobrix.pot" >"$work/marked"
if ! diff -u --label po/tobrix.pot --label sources "$work/committed" "$work/marked" >"$work/diff"; then
    fail "po/tobrix.pot differs from the texts the sources mark; run make pot and translate what it marks:
$(cat "$work/diff")"
fi

for language in $(grep -v '^#' po/LINGUAS); do
    po=po/$language.po
    msgfmt --check -o /dev/null "$po" || fail "$po does not compile"
    # Untranslated and fuzzy messages count as missing.
    msgcmp "$po" po/tobrix.pot || fail "$po lacks translations of messages of po/tobrix.pot"
    msgcmp --use-untranslated po/tobrix.pot "$po" || fail "$po translates messages the game no longer has"
    [ -z "$(msgattrib --only-fuzzy --no-obsolete "$po")" ] || fail "$po has fuzzy messages"
done
exit $status

#!/bin/sh
# A palette reached through a link (a Unix symbolic link, which Wine follows
# as Windows follows its own): two copies of the program adding colours write
# the file it points to, and the link stays a link.
# Usage: palette_link_test.sh WINE_RUN PALETTE_ADDER_EXE
set -u
wine_run=$1
adder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf 'FAIL: %s\n' "$*"; exit 1; }
printf 'GIMP Palette\n  0   0   0\tBlack\n' >"$work/real.gpl"
ln -s real.gpl "$work/link.gpl"
link=$(printf 'Z:%s/link.gpl' "$work" | tr / '\\')
"$wine_run" "$adder" "$link" 1 5 & first=$!
"$wine_run" "$adder" "$link" 2 5 || fail "the second copy's write failed"
wait "$first" || fail "the first copy's write failed"
[ -L "$work/link.gpl" ] || fail "the link was replaced by a file"
[ "$(grep -c . "$work/real.gpl")" -eq 12 ] || fail "real.gpl holds: $(cat "$work/real.gpl")"
[ "$(ls "$work" | wc -l)" -eq 2 ] || fail "left beside: $(ls "$work")"
echo "ten colours through a link by two copies; the link stays"

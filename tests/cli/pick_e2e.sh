#!/bin/sh
# End to end: palorin-cli.exe pick under Wine with real mouse and keys
# (xdotool), over an X program's window of a known colour crossed by a line one
# pixel wide, so that a point off by one shows: a click prints the colour under
# it and exits 0, Enter and Space print it in the form asked for after the
# arrows have moved it a pixel at a time, --average 3 the mean of the square
# around the line, Escape and a right click print nothing
# and exit 1, and a release off the frozen screen is an error (exit 2).
# Usage: pick_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/wintool.sh"
out=$(mktemp)
err=$(mktemp)
fail() { echo "FAIL: $*"; exit 1; }

xmessage -bg '#123456' -fg '#123456' -buttons '' -geometry 150x100+600+300 ' ' &
xmessage=$!
trap 'kill $xmessage 2>/dev/null; rm -f "$out" "$err"' EXIT
sleep 1
# The window's label has a black border one pixel wide, 4 pixels in from its edge.
line=$(wintool pixels 603 340 4)
[ "$line" = "123456 123456 000000 123456" ] || fail "no 1-pixel line at 605,340: $line"

# Runs a pick with ARGS, the pointer at X,Y once its view shows, then ACTION...
# (an xdotool command, or wintool's); checks the exit status, what it printed
# and what it said on standard error.
pick() {
    expected_status=$1 expected=$2 expected_err=$3 args=$4 x=$5 y=$6
    shift 6
    xdotool mousemove 100 100
    "$wine_run" "$build/palorin-cli.exe" pick $args >"$out" 2>"$err" &
    cli=$!
    wintool wait "Palorin pick" 15000 >/dev/null || fail "pick $args: no magnified view"
    xdotool mousemove "$x" "$y"
    sleep 0.3
    if [ "$1" = wintool ]; then shift; wintool "$@"; else xdotool "$@"; fi
    wait "$cli"
    status=$?
    printed=$(tr -d '\r' <"$out")
    said=$(tr -d '\r' <"$err")
    [ "$status" -eq "$expected_status" ] || fail "pick $args at $x,$y, $*: exit status $status"
    [ "$printed" = "$expected" ] || fail "pick $args at $x,$y, $*: printed '$printed', expected '$expected'"
    [ "$said" = "$expected_err" ] || fail "pick $args at $x,$y, $*: said '$said', expected '$expected_err'"
}

pick 0 '#000000' '' "" 605 340 click 1
pick 0 '#123456' '' "" 604 340 click 1
pick 0 '(18,52,86)' '' "--to triple" 603 340 key Right Right Right Return
pick 0 '{"hex6":"#123456","hex3":"#135","triple":"(18,52,86)","percent":"(7%,20%,33%)","hls":[140,49,157],"hsv":[210,79,34],"name":null,"nearest":{"name":"midnightblue","deltaE2000":10.40},"rgb":"rgb(18 52 86)","hsl":"hsl(210 65% 20.4%)","hwb":"hwb(210 7% 66.3%)","lab":"lab(20.7 -2.3 -24.6)","lch":"lch(20.7 24.7 264.7)","oklab":"oklab(0.319 -0.023 -0.069)","oklch":"oklch(0.32 0.072 251)","alpha":1,"mapped":false}' \
    '' --json 605 340 key Right space
# Averaged over 3 x 3: two columns of #123456 and the black line, 12, 34.7, 57.3.
pick 0 '#0c2339' '' "--average 3" 605 340 click 1
pick 1 '' '' "" 604 340 key Escape
pick 1 '' '' "" 604 340 click 3
pick 2 '' 'palorin-cli: pick: cannot read the pixel there' "" 604 340 wintool release PalorinPick -5 -5
echo "pick: a click, Enter and Space printed the pixel beside a 1-pixel line, the arrows a pixel" \
    "at a time, in the form asked for, and the mean of the 3 x 3 around the line; Escape and a right click printed nothing; a release off" \
    "the screen was an error"

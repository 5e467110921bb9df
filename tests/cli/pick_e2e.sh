#!/bin/sh
# End to end: palorin-cli.exe pick under Wine with real mouse and keys
# (xdotool), over an X program's window of a known colour: a click prints its
# colour and exits 0, Enter prints it in the form asked for, Escape prints
# nothing and exits 1.
# Usage: pick_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
wintool() { "$wine_run" "$build/wintool.exe" "$@" | tr -d '\r'; }
out=$(mktemp)
fail() { echo "FAIL: $*"; exit 1; }

xmessage -bg '#123456' -fg '#123456' -buttons '' -geometry 150x100+600+300 ' ' &
xmessage=$!
trap 'kill $xmessage 2>/dev/null; rm -f "$out"' EXIT
sleep 1

# Runs a pick with ARGS, then KEYS... for xdotool once its view shows; checks
# the exit status and what it printed.
pick() {
    expected_status=$1 expected=$2 args=$3
    shift 3
    xdotool mousemove 100 100
    "$wine_run" "$build/palorin-cli.exe" pick $args >"$out" &
    cli=$!
    wintool wait "Palorin pick" 15000 >/dev/null || fail "pick $args: no magnified view"
    xdotool mousemove 660 340
    sleep 0.3
    xdotool "$@"
    wait "$cli"
    status=$?
    printed=$(tr -d '\r' <"$out")
    [ "$status" -eq "$expected_status" ] || fail "pick $args, $*: exit status $status"
    [ "$printed" = "$expected" ] || fail "pick $args, $*: printed '$printed', expected '$expected'"
}

pick 0 '#123456' "" click 1
pick 0 '(18,52,86)' "--to triple" key Return
pick 0 '{"hex6":"#123456","hex3":"#135","triple":"(18,52,86)","percent":"(7%,20%,33%)","hls":[140,49,157],"name":null,"rgb":"rgb(18 52 86)","hsl":"hsl(210 65% 20.4%)","hwb":"hwb(210 7% 66.3%)","lab":"lab(20.7 -2.3 -24.6)","lch":"lch(20.7 24.7 264.7)","oklab":"oklab(0.319 -0.023 -0.069)","oklch":"oklch(0.32 0.072 251)","alpha":1,"mapped":false}' \
    --json key space
pick 1 '' "" key Escape
pick 1 '' "" click 3
echo "pick: a click, Enter and Space printed #123456 in the form asked for; Escape and a right click printed nothing"

#!/bin/sh
# End to end: real keystrokes typed into the real palorin.exe's #RRGGBB field
# convert live; another field, read from outside the process, shows the result;
# Escape ends the program with exit code 0.
# Usage: typing_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
fail() { echo "FAIL: $*"; kill "$program" 2>/dev/null; exit 1; }
wintool() { "$wine_run" "$build/wintool.exe" "$@" | tr -d '\r'; }

"$wine_run" "$build/palorin.exe" &
program=$!
# A colour left on the clipboard by an earlier test opens the quick result box first.
first=$(wintool wait "Quick Convert Result|Palorin" 15000) || fail "no window opened"
if [ "$first" = "Quick Convert Result" ]; then
    wintool click "Quick Convert Result" 1102
    wintool wait Palorin 10000 >/dev/null || fail "the converter did not open"
fi

set -- $(wintool ctlrect Palorin 1001)
[ $# -eq 4 ] || fail "no #RRGGBB field"
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
sleep 0.2
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
[ "$(wintool text Palorin 1011)" = "" ] || fail "emptying #RRGGBB did not empty the name field"
xdotool type --delay 20 '#00ffff'
sleep 0.3

check() {
    actual=$(wintool text Palorin "$1")
    [ "$actual" = "$2" ] || fail "field $1 shows '$actual', expected '$2'"
}
check 1001 '#00ffff'
check 1002 '#0ff'
check 1011 aqua
check 1108 120
check 1110 240

xdotool key Escape
wait "$program"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
echo "typed '#00ffff': name aqua, H 120, S 240; Escape ended with 0"

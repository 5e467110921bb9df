#!/bin/sh
# End to end: real keystrokes typed into the real palorin.exe's #RRGGBB field
# convert live; another field, read from outside the process, shows the result;
# a pasted '1e2' in a digits-only field is no number; a CSS colour typed into
# the CSS field converts as it is typed; Escape ends the program with exit code 0.
# Usage: typing_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/converter_e2e.sh"
start_converter

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

# A paste into the digits-only R field is read as strictly as typing: the
# platform would take '1e2' as 1, here it is no number and the others empty.
set -- $(wintool ctlrect Palorin 1005)
wintool clip 1e2 || fail "could not put '1e2' on the clipboard"
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
sleep 0.2
xdotool key End BackSpace BackSpace BackSpace ctrl+v
sleep 0.3
wintool clip ''
check 1005 1e2
check 1001 ''
check 1006 255

# The CSS field: empty until the ')' closes the colour, then every field.
set -- $(wintool ctlrect Palorin 1012)
[ $# -eq 4 ] || fail "no CSS field"
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
sleep 0.2
xdotool key ctrl+a BackSpace
xdotool type --delay 20 'oklch(63.7% 0.237 25.331'
sleep 0.3
check 1001 ''
xdotool type --delay 20 ')'
sleep 0.3
check 1001 '#fb2c36'
check 1003 '(251,44,54)'
check 1014 ''

xdotool key Escape
wait "$program"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
echo "typed '#00ffff': name aqua, H 120, S 240; pasted '1e2' rejected; typed oklch() converted; Escape ended with 0"

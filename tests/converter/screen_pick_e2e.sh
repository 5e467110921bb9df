#!/bin/sh
# End to end: picking from the screen in the real palorin.exe with real mouse
# and keys (xdotool). A press on the swatch held over the luminance bar's ends
# takes black and white live and keeps the colour at the release; Escape puts
# it back without closing the converter; the system-menu item (Alt+Space, P)
# picks with moves and ends with a left click (kept) or a right click (put back).
# Usage: screen_pick_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/converter_e2e.sh"
start_converter

check() {
    actual=$(wintool text Palorin 1001)
    [ "$actual" = "$1" ] || fail "$2: #RRGGBB shows '$actual', expected '$1'"
}
set -- $(wintool ctlclient Palorin 1107)
[ $# -eq 4 ] || fail "no swatch"
swatch_x=$(($1 + $3 / 2)) swatch_y=$(($2 + $4 / 2))
set -- $(wintool ctlclient Palorin 1112)
[ $# -eq 4 ] || fail "no luminance bar"
bar_x=$(($1 + $3 / 2)) bar_top=$2 bar_bottom=$(($2 + $4 - 1))
move() { xdotool mousemove "$1" "$2"; sleep 0.2; }

# Held: white at the bar's top row, black at its bottom row, kept at the release.
move "$swatch_x" "$swatch_y"
xdotool mousedown 1
move "$bar_x" "$bar_top"
check '#ffffff' "held over the bar's top"
move "$bar_x" "$bar_bottom"
check '#000000' "held over the bar's bottom"
xdotool mouseup 1
sleep 0.2
check '#000000' "released over the bar's bottom"

# Escape while holding puts black back and leaves the converter open.
move "$swatch_x" "$swatch_y"
xdotool mousedown 1
move "$bar_x" "$bar_top"
check '#ffffff' "held again over the bar's top"
xdotool key Escape
sleep 0.2
xdotool mouseup 1
sleep 0.2
check '#000000' "after Escape"
wintool wait Palorin 1000 >/dev/null || fail "Escape closed the converter"

# From the system menu: moves, then a left click keeps, a right click puts back.
menu_pick() {
    xdotool key alt+space
    sleep 0.3
    xdotool key p
    sleep 0.3
    move "$bar_x" "$1"
    check "$2" "menu pick over the bar"
    xdotool click "$3"
    sleep 0.3
}
menu_pick "$bar_top" '#ffffff' 1
check '#ffffff' "after a left click"
menu_pick "$bar_bottom" '#000000' 3
check '#ffffff' "after a right click"

# No pick holds the cursor now: it goes anywhere.
xdotool mousemove 5 5
sleep 0.1
eval "$(xdotool getmouselocation --shell)"
[ "$X" -eq 5 ] && [ "$Y" -eq 5 ] || fail "the cursor is held ($X,$Y)"

wintool close Palorin
wait "$program"
echo "held pick: white, black, kept; Escape put it back; menu pick: left click kept, right click put back"

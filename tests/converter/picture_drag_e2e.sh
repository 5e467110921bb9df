#!/bin/sh
# End to end: real mouse drags (xdotool) on the real palorin.exe's luminance bar
# and picker set lightness, hue and saturation; the fields, read from outside
# the process, show the point dragged to; a quick second press (a double-click)
# drags as well; a tap picks; the cursor is free after the release.
# Usage: picture_drag_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/converter_e2e.sh"
start_converter

# Presses at x0 y0, moves in four steps to x1 y1, releases there. With a fifth
# argument the press comes right after a click at the same place, so that the
# platform reports it as a double-click.
drag() {
    if [ $# -gt 4 ]; then
        xdotool mousemove "$1" "$2" click 1 mousedown 1
        sleep 0.05
    else
        xdotool mousemove "$1" "$2" mousedown 1
        sleep 0.2
    fi
    for step in 1 2 3 4; do
        xdotool mousemove $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.3
}

field() { wintool text Palorin "$1"; }
check() {
    actual=$(field "$1")
    [ "$actual" = "$2" ] || fail "field $1 shows '$actual', expected '$2'"
}

# The bar: from its bottom row to a quarter of the way down from its top.
set -- $(wintool ctlclient Palorin 1112)
[ $# -eq 4 ] || fail "no luminance bar"
bar_x=$1 bar_y=$2 bar_h=$4
row=$((bar_h / 4))
drag $((bar_x + 2)) $((bar_y + bar_h - 1)) $((bar_x + 2)) $((bar_y + row))
lightness=$(((bar_h - row - 1) * 240 / (bar_h - 1)))
check 1109 "$lightness"

# The picker: from its centre to three quarters across and a third of the way down.
set -- $(wintool ctlclient Palorin 1111)
[ $# -eq 4 ] || fail "no picker"
x=$(($3 * 3 / 4)) y=$(($4 / 3))
drag $(($1 + $3 / 2)) $(($2 + $4 / 2)) $(($1 + x)) $(($2 + y))
check 1108 $((x * 239 / ($3 - 1)))
check 1110 $((($4 - y - 1) * 240 / ($4 - 1)))
check 1109 "$lightness"

# Every field follows: #RRGGBB spells the decimal channels.
hex=$(printf '#%02x%02x%02x' "$(field 1005)" "$(field 1006)" "$(field 1007)")
check 1001 "$hex"
[ "$hex" != "#000000" ] || fail "the colour is still black"

# A quick second press, which the platform reports as a double-click, starts a
# drag like any press: to the bar's top row, then to the picker's top left corner.
drag $((bar_x + 2)) $((bar_y + bar_h / 2)) $((bar_x + 2)) "$bar_y" quick
check 1109 240
set -- $(wintool ctlclient Palorin 1111)
drag $(($1 + $3 / 2)) $(($2 + $4 / 2)) "$1" "$2" quick
check 1108 0
check 1110 240

# A tap (press and release, no move between, as a touchpad sends it) on the
# picker's bottom right corner picks it, every time: hue 239, saturation 0.
for tap in 1 2 3 4 5; do
    set -- $(wintool ctlclient Palorin 1111)
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
    sleep 0.2
    xdotool mousemove $(($1 + $3 - 1)) $(($2 + $4 - 1)) click 1
    sleep 0.3
    check 1108 239
    check 1110 0
done

# Released, the cursor goes anywhere again.
xdotool mousemove 5 5
sleep 0.1
eval "$(xdotool getmouselocation --shell)"
[ "$X" -eq 5 ] && [ "$Y" -eq 5 ] || fail "the cursor is still confined ($X,$Y)"

summary="dragged to L $lightness: $hex; quick second presses dragged too; taps picked; cursor free"
wintool close Palorin
wait "$program"
echo "$summary"

#!/bin/sh
# End to end: picking from the screen in the real palorin.exe with real mouse
# and keys (xdotool), over windows of other X programs as well as Wine's:
# - held from the swatch: the live screen, kept at the release; Escape puts the
#   colour back and leaves the converter open;
# - from the system menu (Alt+Space, P): a frozen screen, so a window that
#   changes colour under the pointer is read as it was; a left click, Enter or
#   Space keeps, a right click puts back;
# - in both, the arrows and Shift+arrows over a 1-pixel pattern, where every
#   pixel has a colour of its own; + and - and the wheel zoom the magnified view.
# Under Wine a pointer moved by the program no longer reports itself over other
# X programs' windows while a button is held, so the held pick is steered over
# a pattern window of Wine's; the pick by menu over an X program's.
# Usage: screen_pick_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/converter_e2e.sh"

# Right of the centred converter: an X program's window of one colour, an X
# image whose pixel (x, y) is red x, green y, blue 0x55, and a Wine window that
# turns from 204060 to e0c0a0 while the pointer is over it; left of it, a Wine
# window with the same pattern as the image.
xmessage -bg '#123456' -fg '#123456' -buttons '' -geometry 150x100+1000+30 ' ' &
others=$!
pattern=$(mktemp --suffix=.ppm)
python3 -c "import sys; sys.stdout.buffer.write(b'P6 200 200 255\n' + bytes(
    c for y in range(200) for x in range(200) for c in (x, y, 0x55)))" >"$pattern"
display -geometry +1000+200 -borderwidth 0 "$pattern" &
others="$others $!"
"$wine_run" "$build/wintool.exe" hoverbox 1000 450 80 204060 e0c0a0 &
others="$others $!"
"$wine_run" "$build/wintool.exe" pattern 50 400 200 &
others="$others $!"
trap 'kill $others 2>/dev/null; rm -f "$pattern"' EXIT
start_converter
wintool wait hoverbox >/dev/null && wintool wait pattern >/dev/null || fail "no test windows"
sleep 1

check() {
    actual=$(wintool text Palorin 1001)
    [ "$actual" = "$1" ] || fail "$2: #RRGGBB shows '$actual', expected '$1'"
}
# The colour of the pattern's pixel x, y.
at() { printf '#%02x%02x55' "$1" "$2"; }
set -- $(wintool ctlclient Palorin 1107)
[ $# -eq 4 ] || fail "no swatch"
swatch_x=$(($1 + $3 / 2)) swatch_y=$(($2 + $4 / 2))
set -- $(wintool ctlclient Palorin 1112)
bar_x=$(($1 + $3 / 2)) bar_top=$2 bar_bottom=$(($2 + $4 - 1))
set -- $(wintool ctlclient Palorin 1111)
picker_x=$1 picker_mid=$(($2 + $4 / 2)) picker_w=$3 side=$(($3 < $4 ? $3 : $4))
move() { xdotool mousemove "$1" "$2"; sleep 0.2; }
key() { xdotool key "$@"; sleep 0.2; }
menu_pick() { key alt+space; key p; }

# The width of the magnified view's middle block: the run of its colour along
# the picker's middle row.
block() {
    wintool pixels "$picker_x" "$picker_mid" "$picker_w" | tr ' ' '\n' | awk -v mid=$((picker_w / 2 + 1)) '
        { c[NR] = $0 } END { i = mid; while (i > 1 && c[i - 1] == c[mid]) i--
                             j = mid; while (c[j + 1] == c[mid]) j++; print j - i + 1 }'
}
zoom() {
    shown=$(block)
    [ "$shown" -eq $((side / $1)) ] || fail "$2: a block $shown pixels wide, expected $((side / $1)) for $1 across"
}
# Arrows from pixel 50,60 of the pattern at X, Y: right 1, Shift+right 10,
# Shift+down 10, up 1.
steer() {
    move $(($2 + 50)) $(($3 + 60))
    check "$(at 50 60)" "$1 at 50,60"
    key Right; check "$(at 51 60)" "$1, Right"
    key shift+Right; check "$(at 61 60)" "$1, Shift+Right"
    key shift+Down; check "$(at 61 70)" "$1, Shift+Down"
    key Up; check "$(at 61 69)" "$1, Up"
    eval "$(xdotool getmouselocation --shell)"
    [ "$X" -eq $(($2 + 61)) ] && [ "$Y" -eq $(($3 + 69)) ] ||
        fail "$1: the pointer is at $X,$Y, not with the pick"
}

# Held: the live screen, the X program's window and the converter's own bar.
move "$swatch_x" "$swatch_y"
xdotool mousedown 1
move 1070 80
check '#123456' "held over the X program's window"
move "$bar_x" "$bar_top"
check '#ffffff' "held over the bar's top"
steer held 50 400
xdotool mouseup 1
sleep 0.2
check "$(at 61 69)" "released where the keys took it"

# Escape while holding puts the colour back and leaves the converter open.
move "$swatch_x" "$swatch_y"
xdotool mousedown 1
move "$bar_x" "$bar_bottom"
check '#000000' "held again over the bar's bottom"
key Escape
xdotool mouseup 1
sleep 0.2
check "$(at 61 69)" "after Escape"
wintool wait Palorin 1000 >/dev/null || fail "Escape closed the converter"

# By menu: the frozen screen. The hover box keeps the colour it had.
menu_pick
move 1070 80
check '#123456' "by menu over the X program's window"
move 1040 490
check '#204060' "by menu over the hover box"
steer "by menu" 1000 200
zoom 11 "at the start"
key plus; zoom 9 "+"
xdotool click 4; sleep 0.2; zoom 7 "wheel forward"
key KP_Add; zoom 5 "keypad +"
key minus; zoom 7 "-"
xdotool click 5; sleep 0.2; zoom 9 "wheel back"
key KP_Subtract; zoom 11 "keypad -"
key Return
check "$(at 61 69)" "kept by Enter"
move 1041 491
[ "$(wintool pixels 1041 491 1)" = e0c0a0 ] || fail "the hover box does not change under the pointer"
move 700 50
menu_pick
move 1040 490
check '#204060' "by menu over the hover box again"
xdotool click 1
sleep 0.3
check '#204060' "kept by a left click"
menu_pick
move 1050 260
key space
check "$(at 50 60)" "kept by Space"
menu_pick
move "$bar_x" "$bar_top"
check '#ffffff' "by menu over the bar"
xdotool click 3
sleep 0.3
check "$(at 50 60)" "after a right click"

# No pick holds the cursor now: it goes anywhere.
move 5 5
eval "$(xdotool getmouselocation --shell)"
[ "$X" -eq 5 ] && [ "$Y" -eq 5 ] || fail "the cursor is held ($X,$Y)"

wintool close Palorin
wait "$program"
echo "held and by menu over X and Wine windows: arrows, Shift+arrows, zoom by keys and wheel;" \
    "kept by release, click, Enter, Space; put back by Escape and a right click"

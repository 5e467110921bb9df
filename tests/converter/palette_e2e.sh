#!/bin/sh
# End to end: the palette in the real palorin.exe with real mouse and keys
# (xdotool), read from outside the process:
# - opened from the command line; Add, Ctrl+D and a held pick from the screen
#   add, each written to the file at once; a click and Space recall, Delete
#   removes; the contrast line follows the colour, and the right-click menu's
#   Compare puts a palette colour in it and takes it out again;
# - Open… and Save… through the platform's file dialogs, Save in each format;
# - a write that fails says so in one message box, and the next change after
#   the fault is mended writes the whole palette;
# - palorin.gpl beside the program opens at start and is left as it was;
# - a new user's first colour goes to the application-data folder and is
#   there at the next start.
# Usage: palette_e2e.sh WINE_RUN BUILD_DIR   (on an X display, with xdotool)
set -u
wine_run=$1
build=$2
. "$(dirname "$0")/../support/converter_e2e.sh"

work=$(mktemp -d)
beside="$build/palorin.gpl"
# Right of the centred converter: an X program's window of one colour.
xmessage -bg '#2a6f97' -fg '#2a6f97' -buttons '' -geometry 150x100+1000+30 ' ' &
others=$!
trap 'kill $others 2>/dev/null; rm -rf "$work" "$beside"' EXIT
# Wine's drive Z: is the root of the file system.
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

printf 'GIMP Palette\nName: Brand\nColumns: 3\n# kept by hand\n255   0   0\tBrand red\n  0 128   0\tGreen\n' >"$work/brand.gpl"
start_converter "$(windows "$work/brand.gpl")"

items() { wintool items Palorin 1120; }
# Item N's text; a click on it with button B.
item() { items | sed -n "$(($1 + 1))p" | cut -d' ' -f5-; }
click_item() {
    set -- "$2" $(items | sed -n "$(($1 + 1))p")
    [ $# -ge 6 ] || fail "no item to click"
    xdotool mousemove $(($2 + 4)) $(($3 + $5 / 2)) click "$1"
    sleep 0.3
}
click_control() {
    set -- $(wintool ctlrect Palorin "$1")
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
    sleep 0.3
}
check() {
    actual=$(wintool text Palorin "$1")
    [ "$actual" = "$2" ] || fail "$3: field $1 shows '$actual', expected '$2'"
}
# The list's texts, one a line, against what is expected.
check_items() {
    actual=$(items | cut -d' ' -f5- | tr '\n' '|')
    [ "$actual" = "$1" ] || fail "$2: the palette shows '$actual', expected '$1'"
}
check_file() {
    [ "$(cat "$1")" = "$(printf "$2")" ] || fail "$3: $1 holds '$(cat "$1")'"
}
# The contrast line, its middle dot (one byte in the ANSI code page) as '*'
# and its non-breaking blanks as '_'.
check_contrast() {
    actual=$(wintool text Palorin 1124 | tr '\267\240' '*_')
    [ "$actual" = "$1" ] || fail "$2: the contrast line shows '$actual', expected '$1'"
}
type_colour() {
    click_control 1001
    xdotool key ctrl+a BackSpace
    xdotool type --delay 10 "$1"
    sleep 0.2
}
header='GIMP Palette\nName: Brand\nColumns: 3\n# kept by hand\n'

check_items '#ff0000 Brand red|#008000 Green|' "opened from the command line"
type_colour '#767676'
check_contrast '4.54:1_AA_on_white_* 4.62:1_AA_on_black' "typed #767676"
click_control 1121
type_colour '#ffffff'
xdotool key ctrl+d
sleep 0.3
check_items '#ffffff white|#767676|#ff0000 Brand red|#008000 Green|' "Add, then Ctrl+D"
check_file "$work/brand.gpl" "$header"'255 255 255\twhite\n118 118 118\n255   0   0\tBrand red\n  0 128   0\tGreen\n' "Add, then Ctrl+D"

# A held pick from the swatch, released over the X program's window.
set -- $(wintool ctlclient Palorin 1107)
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) mousedown 1
sleep 0.2
xdotool mousemove 1070 80
sleep 0.2
xdotool mouseup 1
sleep 0.3
check 1001 '#2a6f97' "the pick"
check_items '#2a6f97|#ffffff white|#767676|#ff0000 Brand red|#008000 Green|' "the pick kept"

# A click recalls, Space after Down recalls the next; Delete removes it.
click_item 3 1
check 1001 '#ff0000' "a click on Brand red"
xdotool key Down space
sleep 0.3
check 1001 '#008000' "Down and Space"
xdotool key Delete
sleep 0.3
check_file "$work/brand.gpl" "$header"' 42 111 151\n255 255 255\twhite\n118 118 118\n255   0   0\tBrand red\n' "Delete"

# Compare on white, from the menu by the keyboard (its mnemonic, C), and again
# to go back.
click_item 2 1
click_item 1 3
xdotool key c
sleep 0.3
check_contrast '4.54:1_AA against_#ffffff' "Compare on white"
check_items '#2a6f97|#ffffff white (compared)|#767676|#ff0000 Brand red|' "Compare on white"
click_item 1 3
xdotool key c
sleep 0.3
check_contrast '4.54:1_AA_on_white_* 4.62:1_AA_on_black' "Compare on white again"
check_items '#2a6f97|#ffffff white|#767676|#ff0000 Brand red|' "Compare on white again"

# Open… by Ctrl+O, a path typed into the platform's dialog.
printf 'GIMP Palette\nName: Other\n 10  20  30\tInk\n200 100  50\tClay\n' >"$work/other.gpl"
click_control 1001
xdotool key ctrl+o
wintool wait Open 10000 >/dev/null || fail "no Open dialog"
sleep 0.3
xdotool type --delay 10 "$(windows "$work/other.gpl")"
xdotool key Return
wintool gone Open 10000 || fail "the Open dialog stays"
sleep 0.3
check_items '#0a141e Ink|#c86432 Clay|' "opened by the dialog"

# Save… in each format, the name typed over the one offered; the GIMP
# palette into a folder of its own, where it becomes the palette's file. By a
# click on Save…, or by the keys given after the file's name.
mkdir "$work/kept"
ask_save() {
    if [ $# -gt 0 ]; then xdotool key "$1"; else click_control 1123; fi
}
save() {
    file=$1
    shift
    ask_save "$@"
    # A click that comes as the Open dialog's end is still being handled on a
    # busy machine can be lost to the X server; it is given once more.
    if ! wintool wait "Save As" 5000 >/dev/null; then
        echo "no Save As dialog after 5 s: Save… asked again" >&2
        ask_save "$@"
        wintool wait "Save As" 10000 >/dev/null || fail "no Save As dialog"
    fi
    sleep 0.3
    xdotool key ctrl+a BackSpace
    xdotool type --delay 10 "$(windows "$file")"
    xdotool key Return
    wintool gone "Save As" 10000 || fail "the Save As dialog stays"
    sleep 0.3
}
save "$work/saved.css"
check_file "$work/saved.css" ':root {\n  --ink: #0a141e;\n  --clay: #c86432;\n}\n' "saved as CSS"
save "$work/saved.json" ctrl+s
check_file "$work/saved.json" '[\n  {"hex": "#0a141e", "name": "Ink"},\n  {"hex": "#c86432", "name": "Clay"}\n]\n' "saved as JSON"
save "$work/saved.txt" alt+s
check_file "$work/saved.txt" '#0a141e\n#c86432\n' "saved as text"
save "$work/kept/saved.gpl"
check_file "$work/kept/saved.gpl" 'GIMP Palette\nName: Other\n 10  20  30\tInk\n200 100  50\tClay\n' "saved as GIMP"

# The palette's folder gone: one message box for two changes.
rm -r "$work/kept"
type_colour '#000000'
xdotool key ctrl+d
box=$(wintool msgbox Palorin 5000) || fail "no message box for a failing write"
case "$box" in *saved.gpl*"written again at the next change"*) ;; *) fail "the message box says '$box'" ;; esac
sleep 0.3
type_colour '#ffffff'
xdotool key ctrl+d
wintool msgbox Palorin 1000 >/dev/null && fail "a second message box for the same fault"
mkdir "$work/kept"
type_colour '#808080'
xdotool key ctrl+d
sleep 0.3
check_file "$work/kept/saved.gpl" 'GIMP Palette\nName: Other\n128 128 128\tgray\n255 255 255\twhite\n  0   0   0\tblack\n 10  20  30\tInk\n200 100  50\tClay\n' "the next change"

xdotool key Escape
wait "$program"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status"

# palorin.gpl beside the program opens with the converter and stays as it was.
cp "$work/kept/saved.gpl" "$beside"
start_converter
check_items '#808080 gray|#ffffff white|#000000 black|#0a141e Ink|#c86432 Clay|' "palorin.gpl beside the program"
wintool close Palorin
wait "$program"
cmp -s "$beside" "$work/kept/saved.gpl" || fail "palorin.gpl beside the program changed"

# A new user: no palette beside the program, none in the application-data
# folder. Nothing is written before the first colour, which is there at the
# next start.
rm -f "$beside"
roaming=$(echo "$build"/wineprefix/drive_c/users/*/AppData/Roaming)
[ -d "$roaming" ] || fail "no application-data folder in the prefix"
rm -rf "$roaming/Palorin"
start_converter
check_items '' "a new user's palette"
[ ! -e "$roaming/Palorin" ] || fail "the application-data folder was written before a change"
xdotool key ctrl+d
sleep 0.3
added=$(item 0)
[ -n "$added" ] || fail "Ctrl+D added nothing"
wintool close Palorin
wait "$program"
start_converter
check_items "$added|" "a new user's colour after a restart"
wintool close Palorin
wait "$program"
grep -q "^GIMP Palette" "$roaming/Palorin/palorin.gpl" || fail "the user's own palette is no GIMP palette"
rm -rf "$roaming/Palorin"
echo "opened by command line, Open and palorin.gpl beside; added by Add, Ctrl+D and a pick;" \
    "recalled by a click and Space; Delete; Compare; saved in four formats, by a click, Ctrl+S and Alt+S;" \
    "one message for a failing write; a new user's colour kept across a restart"

#!/bin/sh
# Runs palorin.exe on the current (virtual) display, saves a screenshot of each
# window it shows under build/screenshots/, prints their paths and closes it.
# From the quick result box it goes on to the converter, so both are captured,
# and then a pick from the screen in progress. Last, a second run shows the
# converter with a palette: a file of its own, in a temporary folder, named on
# its command line, one colour recalled and compared with another.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
shots="$root/build/screenshots"
wine_run="$build/wine-run"
mkdir -p "$shots"

"$wine_run" "$build/palorin.exe" "$@" &
program=$!
wintool() { "$wine_run" "$build/wintool.exe" "$@"; }

# Captures the window with this caption into NAME.png and prints the path.
capture() {
    set -- "$1" "$2" $(wintool rect "$1" | tr -d '\r')
    [ $# -eq 6 ] || return 1
    sleep 0.3
    import -window root -crop "${5}x${6}+${3}+${4}" +repage "$shots/$2.png"
    echo "$shots/$2.png"
}

status=1
first=$(wintool wait "Quick Convert Result|Palorin" 15000 | tr -d '\r')
if [ "$first" = "Quick Convert Result" ]; then
    capture "Quick Convert Result" quick-result
    wintool click "Quick Convert Result" 1102
fi
# A pick from the screen in progress: held from the swatch, over the program's
# own icon, which the picker shows magnified. Escape puts the colour back.
capture_pick() {
    set -- $(wintool ctlclient Palorin 1107 | tr -d '\r') $(wintool rect Palorin | tr -d '\r')
    [ $# -eq 8 ] || return 1
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) mousedown 1
    sleep 0.2
    xdotool mousemove $(($5 + 12)) $(($6 + 12))
    sleep 0.3
    capture "Palorin" pick
    xdotool key Escape mouseup 1
}

# A palette's item, clicked with a button: its row in the list, as wintool
# prints the items, gives the point.
click_item() {
    set -- "$2" $(wintool items Palorin 1120 | tr -d '\r' | sed -n "$(($1 + 1))p")
    [ $# -ge 6 ] || return 1
    xdotool mousemove $(($2 + 4)) $(($3 + $5 / 2)) click "$1"
    sleep 0.3
}
# Deep sea recalled, compared with Fog from the right-click menu (Up from its
# bottom: Remove, then Compare).
capture_palette() {
    palette=$(mktemp -d)
    printf 'GIMP Palette\nName: Harbour\nColumns: 3\n#\n 18  52  86\tDeep sea\n 42 111 151\tHarbour blue\n118 118 118\tSlate\n255 183   3\tSignal yellow\n251 133   0\tBuoy orange\n233 236 239\tFog\n' >"$palette/harbour.gpl"
    "$wine_run" "$build/palorin.exe" "$(printf 'Z:%s' "$palette/harbour.gpl" | tr / '\\')" &
    program=$!
    if wintool wait "Palorin" 10000 >/dev/null && click_item 0 1 && click_item 5 3; then
        xdotool key c
        capture "Palorin" palette
    fi
    wintool close "Palorin"
    wait "$program"
    rm -r "$palette"
}

if wintool wait "Palorin" 10000 >/dev/null; then
    capture "Palorin" converter && status=0
    command -v xdotool >/dev/null && capture_pick
    wintool close "Palorin"
fi
wait "$program"
command -v xdotool >/dev/null && capture_palette
# The server would otherwise outlive the virtual display and complain.
WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null
exit $status

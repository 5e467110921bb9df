#!/bin/sh
# Counts the requests that reach the window server for one change of each kind
# (a keystroke in the decimal R field and in #RRGGBB, a picker drag move, a
# colour added to a 500-colour palette with Add and removed again, a change of
# the platform colour dialog's red field), from Wine's server log of
# `interaction_bench count`. Stable where times are not: run it on a virtual
# display, as scripts/virtual-display.sh bench/count-requests.sh [BENCH_EXE].
# With LOG=path the whole server log is kept there, to see which requests.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
bench=${1:-$build/bench/windows/interaction_bench.exe}
export WINEPREFIX="$build/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml="
exec 9>&- </dev/null
log=${LOG:-$(mktemp)}
export WINEDEBUG=-all
wineserver -k 2>/dev/null || true
# The server writes the log: it is started here, with the log as its stderr.
wineserver -f -p -d1 2>"$log" &
sleep 1
wine wineboot >/dev/null 2>&1
wine "$bench" count >/dev/null 2>&1 || true
wineserver -k
wait
# A request is logged as "TID: name( args )", its reply as "TID: name() = ...";
# only the marking thread's requests count.
awk -v changes=20 '
    /add_atom\( .*palorin-count-/ {
        tid = $1
        if (part != "") printf "%-17s %6.1f requests per change\n", part, n / changes
        match($0, /palorin-count-[a-z0-9-]+/)
        part = substr($0, RSTART + 14, RLENGTH - 14)
        if (part == "end") part = ""
        n = 0
        next
    }
    part != "" && $1 == tid && /^[0-9a-f]+: [a-z_]+\( / && !/\) = / { n++ }
' "$log"
[ -n "${LOG:-}" ] || rm -f "$log"

#!/bin/sh
# The benchmarks that run under Wine, in one Wine session on the current display
# (scripts/bench.sh runs this on a virtual one).
set -u
build=$(cd "$(dirname "$0")/.." && pwd)/build/windows
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec 9>&- </dev/null
wineserver -k 2>/dev/null
wineserver -p
wine wineboot >/dev/null 2>&1

echo "== Start and memory (alternating with a program that opens the platform colour dialog)"
wine "$build/bench/windows/start_bench.exe" "$(winepath -w "$build/palorin.exe")" \
    "$(winepath -w "$build/bench/windows/peer_colour_dialog.exe")" "${1:-10}" | tr -d '\r'
echo
echo "== Keystrokes and drag moves"
wine "$build/bench/windows/interaction_bench.exe" "${1:-10}" "${2:-100}" "${3:-100}" | tr -d '\r'
status=$?
wineserver -k
exit $status

#!/bin/sh
# The benchmarks that run under Wine, in one Wine session on the current display
# (scripts/bench.sh runs this on a virtual one). Exits non-zero when either
# benchmark program fails.
set -u
build=$(cd "$(dirname "$0")/.." && pwd)/build/windows
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec 9>&- </dev/null
wineserver -k 2>/dev/null
wineserver -p
wine wineboot >/dev/null 2>&1

# Runs a Windows program and prints its output without carriage returns; the
# program's own exit status, not that of the filter, decides.
status=0
run() {
    out=$(mktemp)
    wine "$@" >"$out"
    code=$?
    tr -d '\r' <"$out"
    rm -f "$out"
    [ "$code" -eq 0 ] || { echo "$1 exited with $code" >&2; status=1; }
}

echo "== Start and memory (in turn with a program that opens the platform colour dialog and the floor)"
run "$build/bench/windows/start_bench.exe" "$(winepath -w "${PALORIN_EXE:-$build/palorin.exe}")" \
    "$(winepath -w "$build/bench/windows/peer_colour_dialog.exe")" \
    "$(winepath -w "$build/bench/windows/floor_dialog.exe")" "${1:-10}"
echo
echo "== Keystrokes and drag moves"
run "$build/bench/windows/interaction_bench.exe" "${1:-10}" "${2:-100}" "${3:-100}"
wineserver -k
exit $status

# Sourced by the end-to-end scripts: starts the real palorin.exe and brings up
# its converter, with helpers to look at it from outside the process.
# Expects wine_run and build to be set.

fail() { printf 'FAIL: %s\n' "$*"; kill "$program" 2>/dev/null; exit 1; }
. "$(dirname "$0")/../support/wintool.sh"

# Starts palorin.exe in the background (its process id in $program), with the
# arguments given, and waits for the converter. A colour left on the clipboard
# by an earlier test opens the quick result box first; "Main Dialog" goes on
# from there.
start_converter() {
    "$wine_run" "$build/palorin.exe" "$@" &
    program=$!
    first=$(wintool wait "Quick Convert Result|Palorin" 15000) || fail "no window opened"
    if [ "$first" = "Quick Convert Result" ]; then
        wintool click "Quick Convert Result" 1102
        wintool wait Palorin 10000 >/dev/null || fail "the converter did not open"
    fi
}

# Sourced by the end-to-end scripts: wintool (see wintool.cpp) without the
# carriage returns of Wine's console, and with wintool's own exit status, so
# that a wait that times out fails. Expects wine_run and build to be set.
wintool() {
    wintool_out=$("$wine_run" "$build/wintool.exe" "$@")
    wintool_status=$?
    [ -z "$wintool_out" ] || printf '%s\n' "$wintool_out" | tr -d '\r'
    return $wintool_status
}

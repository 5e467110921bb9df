#!/bin/sh
# The picker's crosshair on a 144 DPI display: runs the marker test of
# picture_tests with the prefix's display resolution raised to 144, and puts
# the resolution back afterwards, whatever the outcome, so that every other
# test runs at 96.
# Usage: marker_dpi.sh WINE_RUN PICTURE_TESTS_EXE
set -u
wine_run=$1
tests=$2
desktop='HKCU\Control Panel\Desktop'
fonts='HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'

reg() { "$wine_run" reg "$@" >/dev/null 2>&1; }
# The value set now, as a number, or nothing when it is not set.
current() {
    "$wine_run" reg query "$1" /v LogPixels 2>/dev/null | tr -d '\r' |
        awk '$1 == "LogPixels" { print $3 }'
}
put_back() {
    if [ -n "$2" ]; then
        reg add "$1" /v LogPixels /t REG_DWORD /d $(($2)) /f
    else
        reg delete "$1" /v LogPixels /f
    fi
}

old_desktop=$(current "$desktop")
old_fonts=$(current "$fonts")
trap 'put_back "$desktop" "$old_desktop"; put_back "$fonts" "$old_fonts"' EXIT
trap 'exit 1' INT TERM
reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f
reg add "$fonts" /v LogPixels /t REG_DWORD /d 144 /f
PALORIN_TEST_DPI=144 "$wine_run" "$tests" --gtest_filter='PaintTest.MarkerArms*'
status=$?
exit $status

#!/bin/sh
# Creates the Wine prefix used to run Palorin and its tests, once.
# Usage: wine-prefix.sh PREFIX_DIR
# Unmanaged windows (Wine draws its own frames) keep things fast without a window
# manager; no crash dialog, so a crash ends a test instead of hanging it.
set -eu
prefix=$(realpath -m "$1")
stamp="$prefix/.palorin-ready"
[ -f "$stamp" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec 9>&- </dev/null
rm -rf "$prefix"
mkdir -p "$prefix"
{
    wine wineboot --init
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    wineserver -w
} >"$prefix.log" 2>&1 || { cat "$prefix.log" >&2; exit 1; }
# Wine's own fonts, so that caption buttons draw as symbols rather than letters.
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
touch "$stamp"

#!/bin/sh
# Builds Palorin and runs it; arguments go to its command line.
# On Windows it runs the built program. On Linux it runs under Wine: on $DISPLAY
# when there is one; otherwise on a virtual display, where it saves a screenshot
# of each window it shows under build/screenshots/, prints their paths and
# closes the program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake -S . -B build/native-windows -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build build/native-windows --target palorin
    exec build/native-windows/palorin.exe "$@"
    ;;
esac

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target palorin wintool wine_prefix
if [ -n "${DISPLAY:-}" ]; then
    exec build/windows/wine-run build/windows/palorin.exe "$@"
fi
exec scripts/virtual-display.sh scripts/screenshot-run.sh "$@"

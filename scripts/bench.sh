#!/bin/sh
# Builds and runs every benchmark and prints the figures; docs/performance.md
# explains them. Optional arguments go to the Wine benchmarks: rounds,
# keystrokes per round, drag moves per round.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset host >/dev/null
cmake --build --preset host --target colour_bench >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target palorin interaction_bench start_bench peer_colour_dialog wine_prefix >/dev/null

echo "== Colour model, native"
build/host/bench/colour_bench
echo
echo "== Footprint"
size=$(stat -c %s build/windows/palorin.exe)
echo "palorin.exe: $size bytes ($((size / 1024)) KB)  goal <= 150 KB"
echo "imports: $(x86_64-w64-mingw32-objdump -p build/windows/palorin.exe | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
echo
scripts/virtual-display.sh scripts/bench-wine.sh "$@"

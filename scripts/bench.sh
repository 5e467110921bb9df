#!/bin/sh
# Builds and runs every benchmark and prints the figures; docs/performance.md
# explains them. Optional arguments go to the Wine benchmarks: rounds,
# keystrokes per round, drag moves per round.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset host >/dev/null
cmake --build --preset host --target colour_bench cli_bench line_reader_bench palorin_cli >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target palorin palorin_cli interaction_bench start_bench peer_colour_dialog floor_dialog wine_prefix >/dev/null

echo "== Colour model, native"
build/host/bench/colour_bench
echo
echo "== palorin-cli, native"
build/host/bench/cli_bench build/host/palorin-cli
echo
build/host/bench/line_reader_bench
echo
echo "== Footprint"
for exe in palorin.exe palorin-cli.exe; do
    size=$(stat -c %s build/windows/$exe)
    goal=""
    [ "$exe" = palorin.exe ] && goal="  goal <= 150 KB"
    echo "$exe: $size bytes ($((size / 1024)) KB)$goal"
    echo "imports: $(x86_64-w64-mingw32-objdump -p build/windows/$exe | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
done
echo
scripts/virtual-display.sh scripts/bench-wine.sh "$@"

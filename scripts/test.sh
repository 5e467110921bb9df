#!/bin/sh
# Builds everything and runs every test: the colour model natively, then
# palorin.exe and the Windows tests under Wine on a virtual display (always a
# virtual one: the end-to-end tests move the pointer and type keys), and last
# that the release of the current commit rebuilds bit for bit.
# Exits non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset host
scripts/virtual-display.sh cmake --workflow --preset windows
scripts/check-reproducible.sh

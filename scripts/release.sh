#!/bin/sh
# Builds palorin.exe and palorin-cli.exe in a clean build tree (build/release)
# and writes the release into dist/: palorin-<version>-windows-x64.zip
# (palorin.exe, palorin-cli.exe, README.txt, LICENSE.txt), the two programs
# themselves, the package managers' manifests of the zip (winget/ and
# palorin.json, for Scoop) and SHA256SUMS for all of them. The same commit gives
# the same bytes; scripts/check-reproducible.sh proves it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh

# The zip's time stamps: the commit's time, unless the caller gives one.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
        echo "release.sh: not a git checkout; set SOURCE_DATE_EPOCH to the source's time" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "release.sh: warning: uncommitted changes; this release is not the commit's" >&2
fi

rm -rf build/release dist
cmake --preset release >/dev/null
cmake --build --preset release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
: "${version:?release.sh: no project version in build/release/CMakeCache.txt}"
zip=palorin-$version-windows-x64.zip

mkdir dist
cp build/release/palorin.exe build/release/palorin-cli.exe dist/
python3 scripts/make_zip.py dist/palorin.exe dist/palorin-cli.exe docs/windows-readme.txt LICENSE \
    "dist/$zip"
python3 scripts/make_manifests.py "$version" "dist/$zip" dist
(cd dist && sha256sum "$zip" palorin.exe palorin-cli.exe palorin.json winget/*.yaml >SHA256SUMS)
cat dist/SHA256SUMS

#!/bin/sh
# The version in project() is the one in the version resources of palorin.exe
# and palorin-cli.exe (each resource naming its own program) and in palorin.exe's
# manifest, in the README's download name and in the changelog's newest release
# (an "Unreleased" section may come before it).
# Usage: version_agreement.sh VERSION WINDRES PALORIN_EXE PALORIN_CLI_EXE README CHANGELOG
set -eu
version=$1 windres=$2 exe=$3 cli_exe=$4 readme=$5 changelog=$6
status=0
disagree() { echo "FAIL: $1 (project() has $version)" >&2; status=1; }

numbers=$(echo "$version" | sed 's/\./, /g')
for program in "$exe" "$cli_exe"; do
    name=$(basename "$program")
    resources=$("$windres" -J coff -O rc -i "$program" || true)
    for line in " FILEVERSION $numbers" " PRODUCTVERSION $numbers" \
        "      VALUE \"FileVersion\", \"$numbers\"" "      VALUE \"ProductVersion\", \"$numbers\"" \
        "      VALUE \"OriginalFilename\", \"$name\""; do
        echo "$resources" | grep -qxF "$line" || disagree "$name lacks:$line"
    done
done
identity='<assemblyIdentity type="win32" name="Palorin.Palorin" version='
manifest=$(grep -aoE "$identity\"[^\"]*\"" "$exe" || true)
[ "$manifest" = "$identity\"$version\"" ] || disagree "manifest in palorin.exe: $manifest"

names=$(grep -oE 'palorin-[0-9][0-9.]*-windows-x64\.zip' "$readme" | sort -u)
[ "$names" = "palorin-$version-windows-x64.zip" ] || disagree "README.md names: $names"
latest=$(grep '^## ' "$changelog" | grep -vx '## Unreleased' | head -n 1)
case "$latest" in "## $version "* | "## $version") ;; *) disagree "CHANGELOG.md's newest release: $latest" ;; esac
exit $status

#!/bin/sh
# The version in project() is the one in palorin.exe's version resource and
# manifest, in the README's download name and in the changelog's latest release
# (its first entry other than "Unreleased").
# Usage: version_agreement.sh VERSION WINDRES PALORIN_EXE README CHANGELOG
set -eu
version=$1 windres=$2 exe=$3 readme=$4 changelog=$5
status=0
disagree() { echo "FAIL: $1 (project() has $version)" >&2; status=1; }

numbers=$(echo "$version" | sed 's/\./, /g')
resources=$("$windres" -J coff -O rc -i "$exe")
for line in " FILEVERSION $numbers" " PRODUCTVERSION $numbers" \
    "      VALUE \"FileVersion\", \"$numbers\"" "      VALUE \"ProductVersion\", \"$numbers\""; do
    echo "$resources" | grep -qxF "$line" || disagree "palorin.exe lacks:$line"
done
identity='<assemblyIdentity type="win32" name="Palorin.Palorin" version='
manifest=$(grep -aoE "$identity\"[^\"]*\"" "$exe" || true)
[ "$manifest" = "$identity\"$version\"" ] || disagree "manifest in palorin.exe: $manifest"

names=$(grep -oE 'palorin-[0-9][0-9.]*-windows-x64\.zip' "$readme" | sort -u)
[ "$names" = "palorin-$version-windows-x64.zip" ] || disagree "README.md names: $names"
latest=$(grep '^## ' "$changelog" | grep -v -m1 '^## Unreleased$' || true)
case "$latest" in "## $version "* | "## $version") ;; *) disagree "CHANGELOG.md starts with: $latest" ;; esac
exit $status

#!/usr/bin/env python3
"""Writes the package managers' manifests of a release zip: a winget manifest set
(manifest version 1.9.0) and a Scoop app manifest.

Usage: make_manifests.py VERSION ZIP OUT_DIR. Writes OUT_DIR/winget/ (the version,
default-locale and installer manifests, the folder `winget install --manifest`
takes) and OUT_DIR/palorin.json. The bytes depend on the version and the zip alone.
"""
import hashlib
import json
import os
import re
import sys
import zipfile

# Where releases are published: the one place to change for another repository.
# {version} is the release's version, {file} the name of a file of the release.
HOMEPAGE = "https://github.com/palorin/palorin"
RELEASE_URL = HOMEPAGE + "/releases/download/v{version}/{file}"

IDENTIFIER = "Palorin.Palorin"
NAME = "Palorin"
PUBLISHER = "The Palorin developers"
LICENCE = "MIT"
DESCRIPTION = "Converts one colour between the notations web authors and graphics programs use"
TAGS = ["color", "colour", "converter", "css", "hex", "hls", "rgb"]
# The programs in the zip and the commands that start them.
PROGRAMS = [("palorin.exe", "palorin"), ("palorin-cli.exe", "palorin-cli")]
SHORTCUT = ["palorin.exe", "Palorin"]
# palorin.exe opens the palette file beside it at start, when there is one; a
# Scoop install keeps one there. Otherwise the user's own is in the
# application-data folder. The manifests say so.
PALETTE = "palorin.gpl"
PALETTE_HOME = ("Palorin keeps your palette in %APPDATA%\\Palorin\\palorin.gpl, or in "
                "palorin.gpl beside palorin.exe when one is there (a portable copy).")

WINGET_MANIFEST_VERSION = "1.9.0"
WINGET_LOCALE = "en-US"


def yaml_scalar(text):
    """Plain where YAML reads it back as this very string, else single-quoted
    (a version or a hash of digits would read as a number)."""
    plain = re.fullmatch(r"[A-Za-z][\w .,/:()+-]*", text) and ": " not in text
    if plain and text.lower() not in ("yes", "no", "on", "off", "true", "false", "null"):
        return text
    return "'" + text.replace("'", "''") + "'"


def yaml_lines(mapping, indent=""):
    """Block YAML of a dict whose values are strings, lists of strings or lists
    of dicts of strings: all a winget manifest here needs."""
    for key, value in mapping.items():
        if isinstance(value, str):
            yield f"{indent}{key}: {yaml_scalar(value)}"
            continue
        yield f"{indent}{key}:"
        for item in value:
            if isinstance(item, str):
                yield f"{indent}- {yaml_scalar(item)}"
                continue
            lines = list(yaml_lines(item, indent + "  "))
            yield indent + "- " + lines[0][len(indent) + 2:]
            yield from lines[1:]


def winget_manifests(url, sha256):
    """The three files of the set: name, manifest type and fields after the
    identifier and version."""
    base = IDENTIFIER
    yield f"{base}.yaml", "version", {"DefaultLocale": WINGET_LOCALE}
    yield f"{base}.locale.{WINGET_LOCALE}.yaml", "defaultLocale", {
        "PackageLocale": WINGET_LOCALE,
        "Publisher": PUBLISHER,
        "PackageName": NAME,
        "PackageUrl": HOMEPAGE,
        "License": LICENCE,
        "ShortDescription": DESCRIPTION,
        "Description": DESCRIPTION + ". " + PALETTE_HOME,
        "Moniker": "palorin",
        "Tags": TAGS,
    }
    # A zip of portable programs: winget puts the programs in a folder of its
    # own and each command on the path; it makes no Start-menu entry.
    yield f"{base}.installer.yaml", "installer", {
        "InstallerType": "zip",
        "NestedInstallerType": "portable",
        "NestedInstallerFiles": [
            {"RelativeFilePath": program, "PortableCommandAlias": command}
            for program, command in PROGRAMS
        ],
        "Installers": [
            {"Architecture": "x64", "InstallerUrl": url, "InstallerSha256": sha256.upper()}
        ],
    }


def write_winget(out_dir, version, url, sha256):
    os.makedirs(out_dir, exist_ok=True)
    for name, kind, fields in winget_manifests(url, sha256):
        manifest = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}
        manifest.update(fields)
        manifest.update({"ManifestType": kind, "ManifestVersion": WINGET_MANIFEST_VERSION})
        schema = f"https://aka.ms/winget-manifest.{kind}.{WINGET_MANIFEST_VERSION}.schema.json"
        lines = [f"# yaml-language-server: $schema={schema}", ""] + list(yaml_lines(manifest))
        write(os.path.join(out_dir, name), "\n".join(lines) + "\n")


def scoop_manifest(version, zip_name, url, sha256):
    palette = "$dir\\" + PALETTE
    kept = "$persist_dir\\" + PALETTE
    return {
        "version": version,
        "description": DESCRIPTION,
        "notes": "Palorin keeps your palette in palorin.gpl in Scoop's persist folder "
                 "($persist_dir), which updates keep.",
        "homepage": HOMEPAGE,
        "license": LICENCE,
        "architecture": {"64bit": {"url": url, "hash": sha256}},
        # Scoop persists a file that exists neither in the app nor in its store
        # as a folder of that name; an empty palette takes its place.
        "pre_install": f"if (!(Test-Path -LiteralPath \"{kept}\")) "
                       f"{{ Set-Content -LiteralPath \"{palette}\" 'GIMP Palette', 'Name: {NAME}' -Encoding Ascii }}",
        # The store holds the palette through a hard link, which Palorin's
        # replace-on-write breaks at the first change: before the old version
        # goes, the palette beside it goes back into the store.
        "pre_uninstall": [
            f"$palette = \"{palette}\"; $kept = \"{kept}\"",
            "if ((Test-Path -LiteralPath $palette) -and (!(Test-Path -LiteralPath $kept) -or "
            "(Get-FileHash -LiteralPath $palette).Hash -ne (Get-FileHash -LiteralPath $kept).Hash)) "
            "{ Copy-Item -LiteralPath $palette $kept -Force }",
        ],
        "bin": [program for program, _ in PROGRAMS],
        "shortcuts": [SHORTCUT],
        "persist": PALETTE,
        "checkver": {"github": HOMEPAGE},
        "autoupdate": {
            "architecture": {
                "64bit": {"url": release_url("$version", zip_name.replace(version, "$version"))}
            },
            "hash": {"url": "$baseurl/SHA256SUMS"},
        },
    }


def release_url(version, file):
    return RELEASE_URL.format(version=version, file=file)


def write(path, text):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: make_manifests.py VERSION ZIP OUT_DIR")
    version, zip_path, out_dir = sys.argv[1:]
    zip_name = os.path.basename(zip_path)
    if version not in zip_name:
        # The update's URL is the zip's name with another version in it.
        sys.exit(f"make_manifests.py: {zip_name} does not carry the version {version}")
    with zipfile.ZipFile(zip_path) as archive:
        missing = [p for p, _ in PROGRAMS if p not in archive.namelist()]
    if missing:
        # A manifest for a program that isn't there would install a broken package.
        sys.exit(f"make_manifests.py: {zip_name} lacks {', '.join(missing)}")
    with open(zip_path, "rb") as f:
        sha256 = hashlib.sha256(f.read()).hexdigest()
    url = release_url(version, zip_name)
    write_winget(os.path.join(out_dir, "winget"), version, url, sha256)
    scoop = scoop_manifest(version, zip_name, url, sha256)
    write(os.path.join(out_dir, "palorin.json"), json.dumps(scoop, indent=4) + "\n")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""The package managers' manifests of a release zip: each carries the version, the
hash of the zip beside it and the programs in it, and every field its format
requires; a zip without one of the programs gives no manifests at all.
Usage: manifests_test.py SCRIPTS_DIR VERSION PALORIN_EXE PALORIN_CLI_EXE README_TXT LICENSE WORK_DIR"""
import hashlib
import json
import os
import shutil
import subprocess
import sys
import zipfile

import yaml

scripts, version, exe, cli_exe, readme, licence, work = sys.argv[1:]
failures = []

# What each format requires, from its published schema: winget's manifest schemas
# 1.9.0 (version, defaultLocale, installer) and Scoop's schema.json. Besides these,
# winget wants InstallerType at the top or in each installer (and for a zip the
# nested type and files), and Scoop a url at the top or in each architecture.
REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher",
                      "PackageName", "License", "ShortDescription", "ManifestType",
                      "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType",
                  "ManifestVersion"],
    "installer item": ["Architecture", "InstallerUrl", "InstallerSha256"],
    "nested installer file": ["RelativeFilePath"],
    "scoop": ["version", "homepage", "license"],
}
COMMANDS = {"palorin.exe": "palorin", "palorin-cli.exe": "palorin-cli"}


def check(ok, what):
    if not ok:
        failures.append(what)


def check_required(kind, mapping, where):
    for field in REQUIRED[kind]:
        check(field in mapping, f"{where}: no {field}")


def make_zip(out):
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796758032")
    command = [sys.executable, os.path.join(scripts, "make_zip.py"), exe, cli_exe, readme,
               licence, out]
    subprocess.run(command, env=env, check=True)


def make_manifests(zip_path, out_dir):
    command = [sys.executable, os.path.join(scripts, "make_manifests.py"), version, zip_path,
               out_dir]
    return subprocess.run(command, stderr=subprocess.DEVNULL).returncode


def check_winget(folder, zip_name, sha256, programs):
    manifests = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            manifest = yaml.safe_load(f)
        kind = manifest.get("ManifestType")
        check(kind in ("version", "defaultLocale", "installer") and kind not in manifests,
              f"{name}: manifest type {kind}")
        manifests[kind] = manifest
        check_required(kind, manifest, name)
        check(manifest.get("PackageVersion") == version, f"{name}: version")
        check(manifest.get("ManifestVersion") == "1.9.0", f"{name}: manifest version")
    if set(manifests) != {"version", "defaultLocale", "installer"}:
        failures.append(f"winget manifests: {sorted(manifests)}")
        return None
    check(len({m["PackageIdentifier"] for m in manifests.values()}) == 1, "winget identifiers")
    check(manifests["version"]["DefaultLocale"] == manifests["defaultLocale"]["PackageLocale"],
          "winget default locale")
    check("%APPDATA%\\Palorin\\palorin.gpl" in manifests["defaultLocale"].get("Description", ""),
          "winget: the description doesn't say where the palette is")

    installer = manifests["installer"]
    items = installer["Installers"]
    check(len(items) == 1, "winget: one installer")
    item = items[0]
    check_required("installer item", item, "winget installer")
    check(item.get("InstallerType", installer.get("InstallerType")) == "zip", "winget: zip")
    check(installer.get("NestedInstallerType") == "portable", "winget: portable")
    files = installer.get("NestedInstallerFiles", [])
    for entry in files:
        check_required("nested installer file", entry, "winget nested file")
    check(sorted(f.get("RelativeFilePath") for f in files) == programs, "winget: the zip's programs")
    check(all(COMMANDS.get(f.get("RelativeFilePath")) == f.get("PortableCommandAlias")
              for f in files), "winget: command aliases")
    check(item.get("Architecture") == "x64", "winget: x64")
    check(item.get("InstallerSha256", "").lower() == sha256, "winget: the zip's hash")
    url = item.get("InstallerUrl", "")
    check(url.startswith("https://") and url.endswith(f"/v{version}/{zip_name}"),
          f"winget: url {url}")
    return url


def check_scoop(path, sha256, programs, winget_url):
    with open(path, encoding="utf-8") as f:
        manifest = json.load(f)
    check_required("scoop", manifest, "palorin.json")
    check(manifest.get("version") == version, "scoop: version")
    x64 = manifest.get("architecture", {}).get("64bit", {})
    check(x64.get("url") == winget_url, "scoop: url differs from winget's")
    check(x64.get("hash") == sha256, "scoop: the zip's hash")
    check(sorted(manifest.get("bin", [])) == programs, "scoop: bin")
    check([s[0] for s in manifest.get("shortcuts", [])] == ["palorin.exe"], "scoop: shortcut")
    check(manifest.get("persist") == "palorin.gpl", "scoop: persist")
    check("palorin.gpl" in manifest.get("notes", ""), "scoop: the notes don't say where the palette is")
    # A persisted file that nothing creates becomes a folder of its name.
    check("palorin.gpl" in manifest.get("pre_install", ""), "scoop: palette not created")
    check("checkver" in manifest, "scoop: checkver")
    update = manifest.get("autoupdate", {}).get("architecture", {}).get("64bit", {}).get("url")
    check(winget_url is not None and update == winget_url.replace(version, "$version"),
          f"scoop: autoupdate url {update}")


def check_yaml_scalars():
    """Texts that YAML would read as something else (a version as a number, say)
    come back as given: winget takes every value as text."""
    sys.path.insert(0, scripts)
    from make_manifests import yaml_scalar
    for text in ["1.3", "1.3.1.1", "0123", "1e5", "yes", "No", "null", "a: b", "it's", "x #y"]:
        try:
            read = yaml.safe_load("k: " + yaml_scalar(text))
        except yaml.YAMLError:
            read = None
        check(read == {"k": text}, f"YAML of {text!r}")


shutil.rmtree(work, ignore_errors=True)
release = os.path.join(work, "release")
os.makedirs(release, exist_ok=True)
zip_name = f"palorin-{version}-windows-x64.zip"
zip_path = os.path.join(release, zip_name)
make_zip(zip_path)
check(make_manifests(zip_path, release) == 0, "make_manifests.py failed")
with open(zip_path, "rb") as f:
    sha256 = hashlib.sha256(f.read()).hexdigest()
with zipfile.ZipFile(zip_path) as archive:
    programs = sorted(n for n in archive.namelist() if n.endswith(".exe"))
url = check_winget(os.path.join(release, "winget"), zip_name, sha256, programs)
check_scoop(os.path.join(release, "palorin.json"), sha256, programs, url)
check_yaml_scalars()

# A zip that lacks palorin-cli.exe gives no manifest, rather than a broken package.
broken = os.path.join(work, "broken")
os.makedirs(broken, exist_ok=True)
broken_zip = os.path.join(broken, zip_name)
with zipfile.ZipFile(broken_zip, "w") as archive:
    archive.write(exe, "palorin.exe")
check(make_manifests(broken_zip, broken) != 0, "a zip without palorin-cli.exe gave manifests")
check(sorted(os.listdir(broken)) == [zip_name], "manifests written for a zip without palorin-cli.exe")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)

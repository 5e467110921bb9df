#!/usr/bin/env python3
"""The release zip holds exactly palorin.exe, palorin-cli.exe, README.txt and
LICENSE.txt, as the user gets them, and nothing that varies from one packing to
the next.
Usage: release_zip_test.py MAKE_ZIP PALORIN_EXE PALORIN_CLI_EXE README_TXT LICENSE WORK_DIR"""
import os
import subprocess
import sys
import zipfile

make_zip, exe, cli_exe, readme, licence, work = sys.argv[1:]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def pack(readme_path, out, epoch):
    env = {k: v for k, v in os.environ.items() if k != "SOURCE_DATE_EPOCH"}
    if epoch:
        env["SOURCE_DATE_EPOCH"] = epoch
    command = [sys.executable, make_zip, exe, cli_exe, readme_path, licence, out]
    return subprocess.run(command, env=env, stderr=subprocess.DEVNULL).returncode


def is_text_as_given(member, source):
    """Windows line ends only, and otherwise the committed text."""
    return b"\n" not in member.replace(b"\r\n", b"") and member.replace(b"\r\n", b"\n") == source


os.makedirs(work, exist_ok=True)
out = os.path.join(work, "release.zip")
check(pack(readme, out, "1796758032") == 0, "packing failed")
with zipfile.ZipFile(out) as archive:
    check(archive.namelist() == ["palorin.exe", "palorin-cli.exe", "README.txt", "LICENSE.txt"],
          f"members {archive.namelist()}")
    check(archive.read("palorin.exe") == read(exe), "palorin.exe is not the built one")
    check(archive.read("palorin-cli.exe") == read(cli_exe), "palorin-cli.exe is not the built one")
    check(is_text_as_given(archive.read("README.txt"), read(readme)), "README.txt")
    check(is_text_as_given(archive.read("LICENSE.txt"), read(licence)), "LICENSE.txt")
    check(archive.comment == b"", "a zip comment")
    for info in archive.infolist():
        # 1796758032 is 2026-12-08 19:27:12 UTC, whatever the time zone of the packer.
        check(info.date_time == (2026, 12, 8, 19, 27, 12), f"{info.filename} time {info.date_time}")
        check((info.create_system, info.external_attr, info.extra) == (0, 0x20, b""),
              f"{info.filename} carries owner, permissions or extra fields")
    packed_readme = archive.read("README.txt")

# A checkout that already has Windows line ends gives the same README.txt.
crlf_readme = os.path.join(work, "README-crlf.txt")
with open(crlf_readme, "wb") as f:
    f.write(read(readme).replace(b"\n", b"\r\n"))
crlf_out = os.path.join(work, "release-crlf.zip")
check(pack(crlf_readme, crlf_out, "1796758032") == 0, "packing a CRLF README failed")
with zipfile.ZipFile(crlf_out) as archive:
    check(archive.read("README.txt") == packed_readme, "a CRLF README gets doubled line ends")

# Without the commit's time there is no zip, rather than one stamped with the time of packing.
unset_out = os.path.join(work, "unset.zip")
check(pack(readme, unset_out, None) != 0 and not os.path.exists(unset_out),
      "a zip without SOURCE_DATE_EPOCH")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)

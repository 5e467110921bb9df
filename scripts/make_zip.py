#!/usr/bin/env python3
"""Packs the release zip: palorin.exe, palorin-cli.exe, README.txt and
LICENSE.txt, in that order.

Usage: make_zip.py PALORIN_EXE PALORIN_CLI_EXE README_TXT LICENSE OUT_ZIP, with SOURCE_DATE_EPOCH
set. The bytes depend on the inputs and that time alone, so a rebuild of the same
commit gives the same zip: every member carries the same time stamp, no owner or
permission bits and no extra fields. The texts get Windows line ends.
"""
import os
import sys
import time
import zipfile


def windows_lines(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    if len(sys.argv) != 6:
        sys.exit("usage: make_zip.py PALORIN_EXE PALORIN_CLI_EXE README_TXT LICENSE OUT_ZIP")
    exe, cli_exe, readme, licence, out = sys.argv[1:]
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "")
    if not epoch.isdigit():
        # A time of packing would make every zip differ.
        sys.exit("make_zip.py: set SOURCE_DATE_EPOCH to the commit's time (seconds since 1970)")
    stamp = time.gmtime(int(epoch))[:6]
    members = [
        ("palorin.exe", read(exe)),
        ("palorin-cli.exe", read(cli_exe)),
        ("README.txt", windows_lines(read(readme))),
        ("LICENSE.txt", windows_lines(read(licence))),
    ]
    with zipfile.ZipFile(out, "w") as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            # MS-DOS attributes, archive bit only: no Unix owner or permission bits
            # (zipfile would put rw------- in place of a zero).
            info.create_system = 0
            info.external_attr = 0x20
            info.create_version = info.extract_version = 20
            archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main()

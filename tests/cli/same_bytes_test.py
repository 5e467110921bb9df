#!/usr/bin/env python3
"""palorin-cli.exe under Wine writes the same bytes as the native palorin-cli,
apart from its line ends, which are CR LF: standard output and standard error,
and the same exit status.
Usage: same_bytes_test.py NATIVE_CLI WINE_RUN PALORIN_CLI_EXE"""
import subprocess
import sys

native, wine_run, exe = sys.argv[1:]

# Every kind of line at once: each notation, H,L,S, bad lines, CR LF, a NUL,
# bytes outside ASCII, a line longer than the reader holds, no LF at the end.
LINES = (b"aqua\r\n#0FF\n#ff8800\n(10,20,30) is my colour\n(0%,100%,100%)\nCornflowerBlue\n"
         b"120,120,240\n0,120,0\n200,120,231\n(1,2,3)\n\n aqua\nnope\nred\r\r\n"
         b"a\0b\n\xc3\xa9\x1b[0m\n" + b"(1,2,3)" + b"y" * 100000 + b"\r\nlime")

# Arguments stay plain ASCII without quotes: Wine rewrites others on the way in.
RUNS = [([], LINES), (["--json"], LINES)] + [(["--to", form], LINES) for form in
        ("hex6", "hex3", "triple", "percent", "hls", "name")] + [
    (["aqua", "nope", "(1,2,3)", "--to", "hls"], b""),
    (["contrast", "black", "white"], b""),
    (["contrast", "#767676", "white"], b""),
    (["contrast", "nope", "white"], b""),
    (["--version"], b""),
    (["--help"], b""),
    (["--bogus"], b""),
]

failures = 0
for arguments, given in RUNS:
    mine = subprocess.run([native] + arguments, input=given, capture_output=True)
    theirs = subprocess.run([wine_run, exe] + arguments, input=given, capture_output=True)
    for stream, expected, actual in (("stdout", mine.stdout, theirs.stdout),
                                     ("stderr", mine.stderr, theirs.stderr)):
        if actual != expected.replace(b"\n", b"\r\n"):
            failures += 1
            print(f"FAIL {arguments} {stream}:\n  exe    {actual[:300]!r}\n  native {expected[:300]!r}")
    if theirs.returncode != mine.returncode:
        failures += 1
        print(f"FAIL {arguments}: status {theirs.returncode}, native {mine.returncode}")
print(f"{len(RUNS)} runs compared, {failures} differences")
sys.exit(1 if failures else 0)

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

# CSS colours of every function and space, inside and outside sRGB: their
# conversions, the gamut mapping and the search for the shortest numbers all
# run on the same bits everywhere.
def css_lines():
    import random
    rand = random.Random(2026)
    lines = []
    for i in range(3000):
        r, g, b = rand.randrange(256), rand.randrange(256), rand.randrange(256)
        h, c, l = rand.uniform(0, 360), rand.uniform(0, 0.45), rand.uniform(0, 1)
        lines.append([f"rgb({r} {g} {b} / {rand.random():.3f})", f"hsl({h:.2f} {c * 200:.1f}% {l * 100:.1f}%)",
                      f"hwb({h:.1f} {l * 50:.2f}% {c * 100:.2f}%)", f"lab({l * 100:.2f} {c * 300 - 60:.2f} {h / 3 - 60:.2f})",
                      f"lch({l * 100:.2f} {c * 300:.2f} {h:.2f})", f"oklab({l:.3f} {c - 0.2:.3f} {c / 2 - 0.1:.3f})",
                      f"oklch({l:.3f} {c:.3f} {h:.2f})", f"color(display-p3 {r / 255:.4f} {g / 255:.4f} {b / 255:.4f})",
                      f"color(rec2020 {l:.3f} {c:.3f} {r / 300:.3f})", f"#{r:02x}{g:02x}{b:02x}{i % 256:02x}"][i % 10])
    return ("\n".join(lines) + "\n").encode()


CSS = css_lines()

# Arguments stay plain ASCII without quotes: Wine rewrites others on the way in.
RUNS = [([], LINES), (["--json"], LINES)] + [(["--to", form], LINES) for form in
        ("hex6", "hex3", "triple", "percent", "hls", "name")] + [
    (["--to", form], CSS) for form in ("hex8", "rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch")] + [
    (["--json"], CSS), (["--gamut", "clip", "--to", "hex6"], CSS), (["--to", "nearest"], CSS),
    (["--simulate", "tritanopia", "--to", "hex6"], CSS)] + [
    # Ratios within 1e-9 of a hundredth, where a pow that differs in the last
    # place would change the second decimal.
    (["contrast", "#7c6b83", "#babe77"], b""), (["contrast", "#d89b9a", "#c701f5"], b""),
    (["contrast", "#e32144", "#c6bba5"], b""), (["contrast", "#329fc3", "#f02ae3"], b""),
    (["contrast", "#b1120c", "#9b4d13"], b""), (["contrast", "#8e6871", "#01c9b8"], b""),
] + [
    (["aqua", "nope", "(1,2,3)", "--to", "hls"], b""),
    (["contrast", "black", "white"], b""),
    (["contrast", "#767676", "white"], b""),
    (["contrast", "--fix", "AA", "red", "white"], b""),
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

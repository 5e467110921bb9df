#!/usr/bin/env python3
"""Draws Palorin's icon: a hue/saturation disc like the converter's picker, with a
dark rim, on a transparent background. Writes two images, 16x16 and 32x32, into
one .ico file, each a PNG of the colours it uses (Windows reads PNG images in
icons since Vista): a third of the bytes of the same pictures as bitmaps.

Integer arithmetic only, and zlib at a fixed level, so the output is the same
bytes on every run.
Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys
import zlib
from math import isqrt

# A 6x6x6 colour cube followed by 40 greys.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE256 = CUBE + [(v, v, v) for v in (i * 255 // 41 for i in range(1, 41))]

RIM = (32, 32, 32)


def hue_to_channel(m1, m2, h):
    # The program's own 0-240 HLS rounding, so the icon matches the picker.
    if h < 0:
        h += 240
    if h > 240:
        h -= 240
    if h < 40:
        return m1 + ((m2 - m1) * h + 20) // 40
    if h < 120:
        return m2
    if h < 160:
        return m1 + ((m2 - m1) * (160 - h) + 20) // 40
    return m1


def hls_to_rgb(h, l, s):
    if s == 0:
        v = l * 255 // 240
        return (v, v, v)
    m2 = (l * (240 + s) + 120) // 240 if l <= 120 else l + s - (l * s + 120) // 240
    m1 = 2 * l - m2
    return tuple((hue_to_channel(m1, m2, h + d) * 255 + 120) // 240 for d in (80, 0, -80))


def diamond_hue(dx, dy):
    """Hue 0-239 from the direction (dx, dy), by a piecewise-linear stand-in for
    the angle that needs no trigonometry."""
    if dy >= 0:
        quarter, num, den = (0, dy, dx + dy) if dx >= 0 else (1, -dx, -dx + dy)
    else:
        quarter, num, den = (2, -dy, -dx - dy) if dx < 0 else (3, dx, dx - dy)
    return (quarter * 60 + 60 * num // den) % 240


def pixel(size, x, y):
    """Colour of one pixel, or None where the icon is transparent. Coordinates are
    doubled so that the centre falls between pixels."""
    dx, dy = 2 * x + 1 - size, size - 2 * y - 1
    radius = size - 1
    dist2 = dx * dx + dy * dy
    if dist2 > radius * radius:
        return None
    rim = max(2, size // 8)
    if dist2 > (radius - rim) * (radius - rim):
        return RIM
    saturation = min(240, 240 * isqrt(dist2) // (radius - rim))
    return hls_to_rgb(diamond_hue(dx, dy), 120, saturation)


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: (sum((a - b) ** 2 for a, b in zip(palette[i], colour)), i))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(size):
    """One icon image as an indexed PNG of the 256-colour palette's nearest
    colours: index 0 transparent, then the colours in order of first use."""
    colours, rows = [None], []
    for y in range(size):
        row = bytearray([0])  # no filter
        for x in range(size):
            c = pixel(size, x, y)
            c = None if c is None else PALETTE256[nearest(PALETTE256, c)]
            if c not in colours:
                colours.append(c)
            row.append(colours.index(c))
        rows.append(bytes(row))
    palette = b"".join(bytes(c) if c else b"\0\0\0" for c in colours)
    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"tRNS", b"\0") + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
            + chunk(b"IEND", b""))


def main():
    sizes = [16, 32]
    blobs = [png(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for size, blob in zip(sizes, blobs):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(blobs))


if __name__ == "__main__":
    main()

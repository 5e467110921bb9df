#!/usr/bin/env python3
"""Draws Palorin's icon: a hue/saturation disc like the converter's picker, with a
dark rim, on a transparent background. Writes four images (16x16 and 32x32, each
in 16 and 256 colours) into one .ico file.

Integer arithmetic only, so the output is the same bytes on every machine.
Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys
from math import isqrt

# The standard 16-colour palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
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


def image(size, palette, bits):
    """One icon image: header, palette, colour rows and mask rows, bottom-up."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        indices, mask = [], 0
        for x in range(size):
            c = pixel(size, x, y)
            indices.append(0 if c is None else nearest(palette, c))
            mask = mask << 1 | (c is None)
        if bits == 4:
            row = bytes(indices[i] << 4 | indices[i + 1] for i in range(0, size, 2))
        else:
            row = bytes(indices)
        xor_rows.append(row + b"\0" * (-len(row) % 4))
        mask_bytes = mask.to_bytes(size // 8, "big")
        and_rows.append(mask_bytes + b"\0" * (-len(mask_bytes) % 4))
    return header + colours + b"".join(xor_rows) + b"".join(and_rows)


def main():
    images = [(16, VGA16, 4), (32, VGA16, 4), (16, PALETTE256, 8), (32, PALETTE256, 8)]
    blobs = [image(size, palette, bits) for size, palette, bits in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (size, palette, bits), blob in zip(images, blobs):
        colour_count = len(palette) if len(palette) < 256 else 0
        out += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(blobs))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""The expected rows of the nearest-name table, worked out apart from the
program: CSS's named colours (read from the program's CSS reader's test
list would be circular, so from the CSS list written out below), CSS Lab
by the matrices CSS publishes, and CIEDE2000 as its implementation notes
write it, checked against their test pairs first.
Usage: nearest_reference.py #rrggbb ..."""
import math
import sys

NAMES = """aliceblue f0f8ff antiquewhite faebd7 aqua 00ffff aquamarine 7fffd4 azure f0ffff
beige f5f5dc bisque ffe4c4 black 000000 blanchedalmond ffebcd blue 0000ff blueviolet 8a2be2
brown a52a2a burlywood deb887 cadetblue 5f9ea0 chartreuse 7fff00 chocolate d2691e coral ff7f50
cornflowerblue 6495ed cornsilk fff8dc crimson dc143c cyan 00ffff darkblue 00008b darkcyan 008b8b
darkgoldenrod b8860b darkgray a9a9a9 darkgreen 006400 darkgrey a9a9a9 darkkhaki bdb76b
darkmagenta 8b008b darkolivegreen 556b2f darkorange ff8c00 darkorchid 9932cc darkred 8b0000
darksalmon e9967a darkseagreen 8fbc8f darkslateblue 483d8b darkslategray 2f4f4f
darkslategrey 2f4f4f darkturquoise 00ced1 darkviolet 9400d3 deeppink ff1493 deepskyblue 00bfff
dimgray 696969 dimgrey 696969 dodgerblue 1e90ff firebrick b22222 floralwhite fffaf0
forestgreen 228b22 fuchsia ff00ff gainsboro dcdcdc ghostwhite f8f8ff gold ffd700
goldenrod daa520 gray 808080 green 008000 greenyellow adff2f grey 808080 honeydew f0fff0
hotpink ff69b4 indianred cd5c5c indigo 4b0082 ivory fffff0 khaki f0e68c lavender e6e6fa
lavenderblush fff0f5 lawngreen 7cfc00 lemonchiffon fffacd lightblue add8e6 lightcoral f08080
lightcyan e0ffff lightgoldenrodyellow fafad2 lightgray d3d3d3 lightgreen 90ee90 lightgrey d3d3d3
lightpink ffb6c1 lightsalmon ffa07a lightseagreen 20b2aa lightskyblue 87cefa
lightslategray 778899 lightslategrey 778899 lightsteelblue b0c4de lightyellow ffffe0 lime 00ff00
limegreen 32cd32 linen faf0e6 magenta ff00ff maroon 800000 mediumaquamarine 66cdaa
mediumblue 0000cd mediumorchid ba55d3 mediumpurple 9370db mediumseagreen 3cb371
mediumslateblue 7b68ee mediumspringgreen 00fa9a mediumturquoise 48d1cc mediumvioletred c71585
midnightblue 191970 mintcream f5fffa mistyrose ffe4e1 moccasin ffe4b5 navajowhite ffdead
navy 000080 oldlace fdf5e6 olive 808000 olivedrab 6b8e23 orange ffa500 orangered ff4500
orchid da70d6 palegoldenrod eee8aa palegreen 98fb98 paleturquoise afeeee palevioletred db7093
papayawhip ffefd5 peachpuff ffdab9 peru cd853f pink ffc0cb plum dda0dd powderblue b0e0e6
purple 800080 rebeccapurple 663399 red ff0000 rosybrown bc8f8f royalblue 4169e1
saddlebrown 8b4513 salmon fa8072 sandybrown f4a460 seagreen 2e8b57 seashell fff5ee
sienna a0522d silver c0c0c0 skyblue 87ceeb slateblue 6a5acd slategray 708090 slategrey 708090
snow fffafa springgreen 00ff7f steelblue 4682b4 tan d2b48c teal 008080 thistle d8bfd8
tomato ff6347 turquoise 40e0d0 violet ee82ee wheat f5deb3 white ffffff whitesmoke f5f5f5
yellow ffff00 yellowgreen 9acd32""".split()
COLOURS = [(NAMES[i], NAMES[i + 1]) for i in range(0, len(NAMES), 2)]
assert len(COLOURS) == 148

# Linear sRGB to XYZ (D65), then Bradford to D50, as CSS Color 4 gives them.
TO_XYZ = [[506752 / 1228815, 87881 / 245763, 12673 / 70218],
          [87098 / 409605, 175762 / 245763, 12673 / 175545],
          [7918 / 409605, 87881 / 737289, 1001167 / 1053270]]
TO_D50 = [[1.0479297925449969, 0.022946870601609652, -0.05019226628920524],
          [0.02962780877005599, 0.9904344267538799, -0.017073799063418826],
          [-0.009243040646204504, 0.015055191490298152, 0.7518742814281371]]
WHITE = [0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585]


def times(m, v):
    return [sum(m[r][k] * v[k] for k in range(3)) for r in range(3)]


def lab(hex6):
    rgb = [int(hex6[i:i + 2], 16) / 255 for i in (0, 2, 4)]
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in rgb]
    xyz = times(TO_D50, times(TO_XYZ, linear))
    f = [v ** (1 / 3) if v > 216 / 24389 else (24389 / 27 * v + 16) / 116
         for v in (xyz[i] / WHITE[i] for i in range(3))]
    return [116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])]


def ciede2000(p, q):
    (l1, a1, b1), (l2, a2, b2) = p, q
    mean_c = (math.hypot(a1, b1) + math.hypot(a2, b2)) / 2
    g = 0.5 * (1 - math.sqrt(mean_c ** 7 / (mean_c ** 7 + 25 ** 7)))
    a1, a2 = a1 * (1 + g), a2 * (1 + g)
    c1, c2 = math.hypot(a1, b1), math.hypot(a2, b2)
    h1 = math.degrees(math.atan2(b1, a1)) % 360 if c1 else 0
    h2 = math.degrees(math.atan2(b2, a2)) % 360 if c2 else 0
    dh = h2 - h1
    dh = 0 if c1 * c2 == 0 else dh - 360 if dh > 180 else dh + 360 if dh < -180 else dh
    big_h = 2 * math.sqrt(c1 * c2) * math.sin(math.radians(dh / 2))
    ml, mc = (l1 + l2) / 2, (c1 + c2) / 2
    if c1 * c2 == 0:
        mh = h1 + h2
    elif abs(h1 - h2) <= 180:
        mh = (h1 + h2) / 2
    else:
        mh = (h1 + h2 + 360) / 2 if h1 + h2 < 360 else (h1 + h2 - 360) / 2
    t = (1 - 0.17 * math.cos(math.radians(mh - 30)) + 0.24 * math.cos(math.radians(2 * mh))
         + 0.32 * math.cos(math.radians(3 * mh + 6)) - 0.2 * math.cos(math.radians(4 * mh - 63)))
    sl = 1 + 0.015 * (ml - 50) ** 2 / math.sqrt(20 + (ml - 50) ** 2)
    sc, sh = 1 + 0.045 * mc, 1 + 0.015 * mc * t
    rt = (-math.sin(math.radians(60 * math.exp(-((mh - 275) / 25) ** 2)))
          * 2 * math.sqrt(mc ** 7 / (mc ** 7 + 25 ** 7)))
    x, y, z = (l2 - l1) / sl, (c2 - c1) / sc, big_h / sh
    return math.sqrt(x * x + y * y + z * z + rt * y * z)


# The first and the last of the notes' pairs, before trusting the rest.
assert abs(ciede2000((50, 2.6772, -79.7751), (50, 0, -82.7485)) - 2.0425) < 1e-4
assert abs(ciede2000((2.0776, 0.0795, -1.135), (0.9033, -0.0636, -0.5514)) - 0.9082) < 1e-4

for arg in sys.argv[1:]:
    here = lab(arg.lstrip("#"))
    ranked = sorted((ciede2000(here, lab(h)), name) for name, h in COLOURS)
    (d, name), (d2, second) = ranked[0], ranked[1]
    # A row whose runner-up is within a hundredth would not test the choice.
    note = "" if d2 - d > 0.01 or d2 == d else "  # close: " + second
    print(f'    {{"{arg}", "{name}", {d:.4f}}},{note}')

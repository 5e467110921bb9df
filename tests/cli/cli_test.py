#!/usr/bin/env python3
"""palorin-cli end to end: one table of runs per behaviour, each run its
arguments, standard input, and the exact standard output, standard error and
exit status expected.
Usage: cli_test.py PALORIN_CLI TABLE VERSION"""
import os
import subprocess
import sys
import tempfile

program, table_name, version = sys.argv[1:]

# Palette files for the palette table: one in GIMP's own layout, one of plain
# text in any notation, one damaged.
folder = tempfile.mkdtemp(prefix="palorin-cli-test-")
def palette_file(name, data):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(data)
    return path
GIMP = palette_file("brand.gpl", b"GIMP Palette\r\nName: Brand\r\nColumns: 4\r\n#\r\n# Made by hand\r\n"
                    b" 18  52  86\tBrand blue\r\n255 255 255\tWhite \xc3\xa9t\xc3\xa9\r\n  0 255 255\r\n")
TEXT = palette_file("list.txt", b"  rgb(18 52 86)\n\ntomato\n#0ff8\n")
DAMAGED = palette_file("damaged.gpl", b"GIMP Palette\n1 2 3\n4 5\n")
# What Save writes as JSON and CSS, read back.
JSON = palette_file("saved.json", b'[\n  {"hex": "#123456", "name": "Deep \\"blue\\""},\n  {"hex": "#ffffff", "name": null}\n]\n')
CSS = palette_file("saved.css", b":root {\n  --deep-blue: #123456;\n  --color-ffffff: #ffffff;\n}\n")

AQUA = b"#00ffff\t#0ff\t(0,255,255)\t(0%,100%,100%)\t120,120,240\taqua\n"
USAGE = b"usage: palorin-cli [--to FORM | --json] [--precise] [--gamut clip] [--scheme dark] [COLOUR ...]\n"


def bad(source, number, text):
    return b"palorin-cli: %s %d: not a colour: %s\n" % (source.encode(), number, text)


def usage_error(reason):
    return b"palorin-cli: " + reason + b"\n" + USAGE


WRITE_ERROR = b"palorin-cli: cannot write the output\n"


# Each run: (arguments, standard input, standard output, standard error, status),
# and where standard output goes when it is not a pipe: "full" (/dev/full) or
# "closed". An expected output ending in USAGE need only start with what is given.
TABLES = {
    "forms": [
        (["aqua"], b"", AQUA, b"", 0),
        # No name: the last field is empty.
        (["(1,2,3)"], b"", b"#010203\t#000\t(1,2,3)\t(0%,0%,1%)\t140,2,120\t\n", b"", 0),
        (["--to", "hex6", "#0FF"], b"", b"#00ffff\n", b"", 0),
        (["--to", "hex3", "#ff8800"], b"", b"#f80\n", b"", 0),
        (["--to", "triple", "CornflowerBlue"], b"", b"(100,149,237)\n", b"", 0),
        (["--to", "percent", "(50%,50%,50%)"], b"", b"(49%,49%,49%)\n", b"", 0),
        (["--to", "hls", "#ff00ff"], b"", b"200,120,240\n", b"", 0),
        (["--to", "name", "cyan", "(1,2,3)"], b"", b"aqua\n\n", b"", 0),
        (["--json", "aqua", "(1,2,3)"], b"",
         b'{"input":"aqua","hex6":"#00ffff","hex3":"#0ff","triple":"(0,255,255)",'
         b'"percent":"(0%,100%,100%)","hls":[120,120,240],"hsv":[180,100,100],"name":"aqua",'
         b'"nearest":{"name":"aqua","deltaE2000":0.00},"rgb":"rgb(0 255 255)","hsl":"hsl(180 100% 50%)","hwb":"hwb(180 0% 0%)",'
         b'"lab":"lab(90.67 -50.66 -14.96)","lch":"lch(90.7 52.82 196.5)",'
         b'"oklab":"oklab(0.9054 -0.14944 -0.0394)","oklch":"oklch(0.9054 0.15455 194.8)",'
         b'"alpha":1,"mapped":false}\n'
         b'{"input":"(1,2,3)","hex6":"#010203","hex3":"#000","triple":"(1,2,3)",'
         b'"percent":"(0%,0%,1%)","hls":[140,2,120],"hsv":[210,67,1],"name":null,'
         b'"nearest":{"name":"black","deltaE2000":0.61},"rgb":"rgb(1 2 3)",'
         b'"hsl":"hsl(210 50% 0.8%)","hwb":"hwb(210 0.4% 99%)","lab":"lab(0.5 0 -0.5)",'
         b'"lch":"lch(0.5 0.5 251)","oklab":"oklab(0.08 0 -0.01)","oklch":"oklch(0.08 0.01 241)",'
         b'"alpha":1,"mapped":false}\n', b"", 0),
        # The input as given, escaped for JSON (UTF-8 kept as it is, a byte of no
        # character as U+FFFD) and for the message.
        (["--json", "a\"\\\u00e9\t"], b"",
         b'{"input":"a\\"\\\\\xc3\xa9\\u0009","error":"not a colour"}\n',
         bad("argument", 1, b'a"\\\\\\xc3\\xa9\\x09'), 1),
        (["--json"], b"\xe2\x82\xac\xff\n",
         b'{"input":"\xe2\x82\xac\xef\xbf\xbd","error":"not a colour"}\n',
         bad("line", 1, b"\\xe2\\x82\\xac\\xff"), 1),
    ],
    "hls_input": [
        # The HLS shown is always the colour's own: a grey gets hue 160.
        (["120,120,240", "0,120,0", "007,0,0"], b"",
         AQUA + b"#7f7f7f\t#777\t(127,127,127)\t(49%,49%,49%)\t160,120,0\t\n"
         b"#000000\t#000\t(0,0,0)\t(0%,0%,0%)\t160,0,0\tblack\n", b"", 0),
        (["--to", "triple", "200,120,231", "239,240,240"], b"", b"(251,4,251)\n(255,255,255)\n",
         b"", 0),
        (["--to", "hex6", "240,0,0", "0,241,0", "0,0,241", "1,2", "1,2,3,", "1,,3", " 1,2,3",
          "1,2,3 ", "0001,2,3", "+1,2,3"], b"", b"\n" * 10,
         b"".join(bad("argument", n + 1, t) for n, t in enumerate(
             [b"240,0,0", b"0,241,0", b"0,0,241", b"1,2", b"1,2,3,", b"1,,3", b" 1,2,3",
              b"1,2,3 ", b"0001,2,3", b"+1,2,3"])), 1),
    ],
    "cr_lf": [
        # One CR before the LF goes with it; the last line may lack its LF.
        (["--to", "hex6"], b"aqua\r\nred\n#0ff", b"#00ffff\n#ff0000\n#00ffff\n", b"", 0),
        # Any other CR, and blanks, belong to the text.
        (["--to", "hex6"], b"aqua\r\r\n\r\n aqua\nred\r", b"\n\n\n\n",
         bad("line", 1, b"aqua\\x0d") + bad("line", 2, b"") + bad("line", 3, b" aqua")
         + bad("line", 4, b"red\\x0d"), 1),
    ],
    "nul": [
        (["--to", "hex6"], b"aqua\0\nred\n(1,2,3)\0x\n\0", b"\n#ff0000\n\n\n",
         bad("line", 1, b"aqua\\x00") + bad("line", 3, b"(1,2,3)\\x00x") + bad("line", 4, b"\\x00"),
         1),
        (["--json"], b"a\0b\n", b'{"input":"a\\u0000b","error":"not a colour"}\n',
         bad("line", 1, b"a\\x00b"), 1),
    ],
    "long_line": [
        # A character across the JSON escaper's slices comes back whole.
        (["--json"], b"y" * 1023 + b"\xc3\xa9\n", b'{"input":"' + b"y" * 1023 + b'\xc3\xa9","error":"not a colour"}\n',
         bad("line", 1, b"y" * 80), 1),
        # A line that fits the reader is read whole: text after a triple's ')' is ignored.
        (["--to", "hex6"], b"(1,2,3)" + b"x" * 60000 + b"\nred\n", b"#010203\n#ff0000\n", b"", 0),
        # So is one of 1 MB, read in pieces, as the same text given to Palorin at start;
        # a NUL anywhere in it, or a text of no colour, makes none.
        (["--to", "hex6"], b"red\n(1,2,3)" + b"x" * 1000000 + b"\r\nlime\n",
         b"#ff0000\n#010203\n#00ff00\n", b"", 0),
        (["--to", "hex6"], b"(1,2,3)" + b"x" * 900000 + b"\0\n" + b"y" * 1000000 + b"\n",
         b"\n\n", bad("line", 1, b"(1,2,3)" + b"x" * 73) + bad("line", 2, b"y" * 80), 1),
        # In JSON it is given back whole, its CR LF dropped, each byte escaped.
        (["--json"], b"\x01" * 300000 + b"#0\r\n", b'{"input":"' + b"\\u0001" * 300000
         + b'#0","error":"not a colour"}\n', bad("line", 1, b"\\x01" * 80), 1),
        # A character the reader's buffer would cut in two comes back whole.
        (["--json"], b"y" * 65535 + b"\xc3\xa9\n", b'{"input":"' + b"y" * 65535
         + b'\xc3\xa9","error":"not a colour"}\n', bad("line", 1, b"y" * 80), 1),
    ],
    "bad_lines": [
        # Output lines stay in step with the input lines; the status says one was bad.
        ([], b"red\nnope\n#00f\n", b"#ff0000\t#f00\t(255,0,0)\t(100%,0%,0%)\t0,120,240\tred\n\n"
         b"#0000ff\t#00f\t(0,0,255)\t(0%,0%,100%)\t160,120,240\tblue\n",
         bad("line", 2, b"nope"), 1),
        (["--to", "hex6"], b"", b"", b"", 0),
        (["--to", "hex6"], b"#00F\nWhite\n", b"#0000ff\n#ffffff\n", b"", 0),
        # The message shows the first 80 bytes.
        (["--to", "hex6"], b"z" * 100 + b"\n", b"\n", bad("line", 1, b"z" * 80), 1),
        (["--to", "hex6", "red", "bad", "#0f", "blue"], b"", b"#ff0000\n\n\n#0000ff\n",
         bad("argument", 2, b"bad") + bad("argument", 3, b"#0f"), 1),
    ],
    "arguments": [
        (["--version"], b"", b"palorin-cli " + version.encode() + b"\n", b"", 0),
        (["--help"], b"", USAGE, b"", 0),
        # Options may follow the colours; "--" ends them.
        (["aqua", "--to", "hex3", "red"], b"", b"#0ff\n#f00\n", b"", 0),
        (["--to=hls", "aqua"], b"", b"120,120,240\n", b"", 0),
        (["--to", "hex6", "--", "-x"], b"", b"\n", bad("argument", 1, b"-x"), 1),
        # Colours as arguments: standard input is not read.
        (["--to", "hex6", "red"], b"blue\n", b"#ff0000\n", b"", 0),
        (["pick"], b"", b"", b"palorin-cli: pick: this platform has no pick from the screen\n", 2),
    ],
    "usage_errors": [
        (["--bogus", "aqua"], b"", b"", usage_error(b"unknown option: --bogus"), 2),
        (["-x"], b"", b"", usage_error(b"unknown option: -x"), 2),
        (["aqua", "--to"], b"", b"", usage_error(b"--to needs a form"), 2),
        (["--to", "rgba", "aqua"], b"", b"", usage_error(b"unknown form for --to: rgba"), 2),
        (["--gamut", "squeeze", "aqua"], b"", b"", usage_error(b"--gamut takes clip or map: squeeze"), 2),
        (["--to", "hls", "--json", "aqua"], b"", b"",
         usage_error(b"--to and --json do not go together"), 2),
        (["contrast", "red"], b"", b"", usage_error(b"contrast takes two colours"), 2),
        (["contrast", "red", "blue", "lime"], b"", b"", usage_error(b"contrast takes two colours"),
         2),
        (["contrast", "--json", "red", "blue"], b"", b"",
         usage_error(b"contrast prints a ratio: no --to or --json"), 2),
        (["pick", "aqua"], b"", b"", usage_error(b"pick takes no colour: aqua"), 2),
        (["pick", "--to", "cmyk"], b"", b"", usage_error(b"unknown form for --to: cmyk"), 2),
    ],
    "css": [
        # After the converter's notations and H,L,S, any CSS colour, as a stylesheet holds it.
        (["--to", "hex6", "rgb(18 52 86 / 50%)", "hsl(210 65% 20%)", "RebeccaPurple", "#0ff8",
          "transparent", "oklch(63.7% 0.237 25.331)", "rgb(18, 52, 86);", " red"], b"",
         b"#123456\n#123354\n#663399\n#00ffff\n#000000\n#fb2c36\n\n\n",
         bad("argument", 7, b"rgb(18, 52, 86);") + bad("argument", 8, b" red"), 1),
        # What needs a document is refused with its own words.
        (["--json"], b"env(safe-area)\nrgb(var(--r) 0 0)\nattr(data-c)\ncurrentColor\nCanvas\n",
         b'{"input":"env(safe-area)","error":"env() is not supported"}\n'
         b'{"input":"rgb(var(--r) 0 0)","error":"var() is not supported"}\n'
         b'{"input":"attr(data-c)","error":"attr() is not supported"}\n'
         b'{"input":"currentColor","error":"currentcolor is not supported"}\n'
         b'{"input":"Canvas","error":"system colours are not supported"}\n',
         b"palorin-cli: line 1: env() is not supported: env(safe-area)\n"
         b"palorin-cli: line 2: var() is not supported: rgb(var(--r) 0 0)\n"
         b"palorin-cli: line 3: attr() is not supported: attr(data-c)\n"
         b"palorin-cli: line 4: currentcolor is not supported: currentColor\n"
         b"palorin-cli: line 5: system colours are not supported: Canvas\n", 1),
        # Colours made of colours and calculations, as a stylesheet holds them.
        (["--to", "hex8"], b"color-mix(in hsl, hsl(120deg 10% 20%) 25%, hsl(30deg 30% 40%))\n"
         b"rgb(from #123456 calc(r * 2) g b / 50%)\nlight-dark(red, blue)\ncontrast-color(navy)\n",
         b"#706a43ff\n#243456" b"80\n#ff0000ff\n#ffffffff\n", b"", 0),
        (["--to", "hex6", "--scheme", "dark", "light-dark(red, blue)"], b"", b"#0000ff\n", b"", 0),
        # --precise: a CSS colour's own numbers, to six digits; rgb() holds sRGB only.
        (["--precise", "--to", "oklch", "oklch(63.7% 0.237 25.331)"], b"", b"oklch(0.637 0.237 25.331)\n", b"", 0),
        (["--precise", "--to", "rgb", "color-mix(in srgb, red, blue)", "rgb(10 20 30 / 0.5)",
          "color(display-p3 1 0 0)"], b"", b"rgb(127.5 0 127.5)\nrgb(10 20 30 / 0.5)\nrgb(255 11 12)\n", b"", 0),
        (["--precise", "--to", "hsl", "#808080", "hsl(359.99999999 50% 50%)", "(1,2,3)"], b"",
         b"hsl(0 0% 50.1961%)\nhsl(0 50% 50%)\nhsl(210 50% 0.8%)\n", b"", 0),
        # The alpha shows where a form can say it; outside sRGB is mapped in, or clipped.
        (["--to", "rgb", "#0ff8", "hsl(120 100% 25%)"], b"",
         b"rgb(0 255 255 / 0.533)\nrgb(0 128 0)\n", b"", 0),
        (["--to", "hex8", "rgb(0 255 255 / 50%)", "red"], b"", b"#00ffff80\n#ff0000ff\n", b"", 0),
        (["--to", "hex6", "oklab(90% 0.36 0)", "oklch(0.795 0.184 86.047)"], b"",
         b"#ffc8dc\n#efb100\n", b"", 0),
        (["--to", "hex6", "--gamut", "clip", "oklab(90% 0.36 0)", "oklch(0.795 0.184 86.047)"],
         b"", b"#ff1ad4\n#f0b100\n", b"", 0),
        (["--json", "oklab(90% 0.36 0)"], b"", None, b"", 0),
        (["contrast", "oklch(0 0 0)", "color(srgb 1 1 1)"], b"", b"21.00:1 AAA\n", b"", 0),
    ],
    "palette": [
        # In order, a line each, in the forms the conversions write.
        (["palette", GIMP, "--to", "hex6"], b"", b"#123456\n#ffffff\n#00ffff\n", b"", 0),
        (["palette", TEXT, "--to", "triple"], b"", b"(18,52,86)\n(255,99,71)\n(0,255,255)\n", b"", 0),
        # In JSON, "name" is the one the file gives, valid UTF-8 kept.
        (["palette", "--json", GIMP], b"", None, b"", 0),
        (["palette", JSON, "--to", "hex6"], b"", b"#123456\n#ffffff\n", b"", 0),
        (["palette", CSS, "--to", "name"], b"", b"\nwhite\n", b"", 0),
        (["palette", DAMAGED], b"", b"", b"palorin-cli: " + DAMAGED.encode() + b": line 3: not a colour\n", 1),
        (["palette", os.path.join(folder, "none.gpl")], b"", b"", None, 2),
        (["palette"], b"", b"", usage_error(b"palette takes one file"), 2),
    ],
    "contrast": [
        # Each threshold from both sides; truncated, never rounded up (2.995 is 2.99).
        (["contrast", "black", "white"], b"", b"21.00:1 AAA\n", b"", 0),
        (["contrast", "white", "black"], b"", b"21.00:1 AAA\n", b"", 0),
        (["contrast", "red", "#f00"], b"", b"1.00:1 fail\n", b"", 0),
        (["contrast", "#595959", "white"], b"", b"7.00:1 AAA\n", b"", 0),
        (["contrast", "(0,173,0)", "black"], b"", b"6.97:1 AA\n", b"", 0),
        (["contrast", "#767676", "white"], b"", b"4.54:1 AA\n", b"", 0),
        (["contrast", "(234,0,0)", "black"], b"", b"4.49:1 AA-large\n", b"", 0),
        (["contrast", "#949494", "white"], b"", b"3.03:1 AA-large\n", b"", 0),
        (["contrast", "#959595", "white"], b"", b"2.99:1 fail\n", b"", 0),
        (["contrast", "0,0,0", "(100%,100%,100%)"], b"", b"21.00:1 AAA\n", b"", 0),
        (["contrast", "--scheme", "dark", "light-dark(white, black)", "white"], b"", b"21.00:1 AAA\n", b"", 0),
        (["contrast", "nope", "white "], b"", b"",
         bad("argument", 1, b"nope") + bad("argument", 2, b"white "), 1),
    ],
    "names_vision": [
        # Nearest names and distances as nearest_reference.py works them out.
        (["--to", "nearest", "#4682b5", "#663398", "#c0ffee"], b"",
         b"steelblue\nrebeccapurple\npaleturquoise\n", b"", 0),
        (["--to", "hsv", "#123456", "#ff0001"], b"", b"hsv(210, 79%, 34%)\nhsv(0, 100%, 100%)\n", b"", 0),
        # The paper's matrices on linear light, worked by hand.
        (["--simulate", "deuteranopia", "--to", "hex6", "red", "lime", "blue"], b"",
         b"#a39000\n#efd63a\n#003dfb\n", b"", 0),
        (["--simulate=achromatopsia", "--to", "hex8", "rgb(255 165 0 / 50%)"], b"", b"#b8b8b880\n", b"", 0),
        (["--simulate", "x", "red"], b"", b"",
         usage_error(b"--simulate takes protanopia, deuteranopia, tritanopia or achromatopsia: x"), 2),
        (["red", "--fix", "AA"], b"", b"", usage_error(b"--fix is for contrast"), 2),
        (["contrast", "--average", "3", "red", "blue"], b"", b"", usage_error(b"--average is for pick"), 2),
        (["pick", "--average", "4"], b"", b"",
         usage_error(b"--average takes an odd number from 1 to 15: 4"), 2),
        (["contrast", "--simulate", "protanopia", "red", "blue"], b"", b"",
         usage_error(b"contrast takes the colours as they are: no --simulate"), 2),
    ],
    "contrast_alpha": [
        # Composited in encoded sRGB: 50 % black on white shows 127.5 (3.976),
        # #0008 shows 119 (4.478); a background with alpha goes over white.
        (["contrast", "rgb(0 0 0 / 50%)", "white"], b"", b"3.97:1 AA-large\n", b"", 0),
        (["contrast", "#0008", "white"], b"", b"4.47:1 AA-large\n", b"", 0),
        (["contrast", "transparent", "black"], b"", b"1.00:1 fail\n", b"", 0),
        (["contrast", "black", "rgb(0 0 0 / 50%)"], b"", b"5.28:1 AA (background over white)\n", b"", 0),
        # Fixes: greys whose boundaries are known (#767676 4.54 and #777777 4.47
        # on white, #595959 7.00, #757575 4.55 on black); half grey over white
        # must show 148.5 or less for 3:1, which #2a2a2a at half alpha does.
        (["contrast", "--fix", "AA", "#777", "white"], b"", b"#767676\n", b"", 0),
        (["contrast", "#777", "white", "--fix=AAA"], b"", b"#595959\n", b"", 0),
        (["contrast", "#444", "black", "--fix", "AA"], b"", b"#757575\n", b"", 0),
        (["contrast", "#123456", "white", "--fix", "AA"], b"", b"#123456\n", b"", 0),
        (["contrast", "rgb(128 128 128 / 50%)", "white", "--fix", "AA-large"], b"", b"#2a2a2a80\n", b"", 0),
        (["contrast", "rgb(0 0 0 / 50%)", "white", "--fix", "AA"], b"", b"",
         b"palorin-cli: no lightness of the foreground reaches that level against the background\n", 1),
    ],
    "derive": [
        # Both ends included, each step the CSS that gives it; in srgb by hand:
        # half of 255 is 127.5, which rounds up.
        (["mix", "red", "blue", "--in", "srgb", "--steps", "3", "--to", "hex6"], b"",
         b"color-mix(in srgb, red 100%, blue)\t#ff0000\n"
         b"color-mix(in srgb, red 50%, blue)\t#800080\n"
         b"color-mix(in srgb, red 0%, blue)\t#0000ff\n", b"", 0),
        (["tints", "(0,0,0)", "--in=srgb", "--steps=3", "--to", "hex6"], b"",
         b"color-mix(in srgb, #000000 100%, white)\t#000000\n"
         b"color-mix(in srgb, #000000 50%, white)\t#808080\n"
         b"color-mix(in srgb, #000000 0%, white)\t#ffffff\n", b"", 0),
        (["shades", "white", "--steps", "2", "--to", "rgb"], b"",
         b"color-mix(in oklab, white 100%, black)\trgb(255 255 255)\n"
         b"color-mix(in oklab, white 0%, black)\trgb(0 0 0)\n", b"", 0),
        (["mix", "red", "nope"], b"", b"", bad("argument", 2, b"nope"), 1),
        (["mix", "red", "blue", "--in", "cmyk"], b"", b"",
         b"palorin-cli: color-mix() has no such space: cmyk\n", 2),
        (["mix", "red"], b"", b"", usage_error(b"mix takes two colours"), 2),
        (["shades", "red", "--steps", "1"], b"", b"",
         usage_error(b"--steps takes a number from 2 to 1000: 1"), 2),
        (["--in", "srgb", "red"], b"", b"", usage_error(b"unknown option: --in"), 2),
    ],
    "write_errors": [
        # Output that can't be written is a failure, said once, whatever was converted.
        (["aqua"], b"", b"", WRITE_ERROR, 2, "full"),
        (["--to", "hex6"], b"red\n" * 100000, b"", WRITE_ERROR, 2, "full"),
        (["--json", "aqua"], b"", b"", WRITE_ERROR, 2, "closed"),
    ],
}



def matches(actual, expected):
    if expected is None:  # only a part: the JSON object's end, the start of a message
        return (actual.endswith(b'"alpha":1,"mapped":true}\n') or actual.startswith(b"palorin-cli: ")
                or actual.startswith(b'{"name":"Brand blue","hex6":"#123456"'))
    return actual.startswith(expected) if expected.endswith(USAGE) else actual == expected


def run_program(arguments, given, where):
    if not where:
        return subprocess.run([program] + arguments, input=given, capture_output=True)
    if where == ["full"]:
        with open("/dev/full", "wb") as full:
            done = subprocess.run([program] + arguments, input=given, stdout=full,
                                  stderr=subprocess.PIPE)
    else:
        done = subprocess.run([program] + arguments, input=given, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, preexec_fn=lambda: os.close(1))
    done.stdout = b""
    return done


failures = 0
for arguments, given, out, err, status, *where in TABLES[table_name]:
    run = run_program(arguments, given, where)
    if not matches(run.stdout, out) or not matches(run.stderr, err) or run.returncode != status:
        failures += 1
        print(f"FAIL {arguments} with input {given[:60]!r}:")
        print(f"  status {run.returncode}, expected {status}")
        print(f"  stdout {run.stdout[:300]!r}\n  expected {out[:300]!r}")
        print(f"  stderr {run.stderr[:300]!r}\n  expected {err[:300]!r}")
print(f"{table_name}: {len(TABLES[table_name]) - failures} of {len(TABLES[table_name])} runs pass")
sys.exit(1 if failures else 0)

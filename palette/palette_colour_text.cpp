// A colour line of a plain text palette, read as palorin-cli reads its input.
#include "palette_colour_text.h"

#include "hls.h"
#include "notation_parse.h"
#include "read_color.h"

int ReadPaletteColourText(const char* text, ColorRecord* colour) {
    // No colour name starts with a digit, so trying H,L,S first changes no result.
    HlsTriple hls;
    if (text[0] >= '0' && text[0] <= '9' && ParseHlsTriple(text, &hls)) {
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &colour->red, &colour->green,
                 &colour->blue);
        return 1;
    }
    return ReadColor(text, colour);
}

// The quick conversion's reader, and H,L,S.
#include "input_colour.h"

#include "hls.h"
#include "notation_parse.h"
#include "read_color.h"

int ReadInputColour(const char* text, ColorRecord* color) {
    // H,L,S first: it starts with a digit and no colour name does, so the order
    // changes no result, and an HLS text is spared a scan of the name table.
    HlsTriple hls;
    if (text[0] >= '0' && text[0] <= '9' && ParseHlsTriple(text, &hls)) {
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &color->red, &color->green, &color->blue);
        return 1;
    }
    return ReadColor(text, color);
}

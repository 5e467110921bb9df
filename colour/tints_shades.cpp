// Tints and shades, read from the color-mix() texts that give them: the
// converter's nine agree with palorin-cli's to the bit.
#include "tints_shades.h"

#include <cstring>

#include "css_format.h"
#include "notation_format.h"
#include "read_color.h"

void TintsAndShades(const ColorRecord& color, ColorRecord out[kTintsAndShades]) {
    char hex[kColorTextCapacity];
    FormatHex6(color, hex);
    for (int i = 0; i < kTintsAndShades; ++i) {
        // i 0-3 towards white, 4 the colour, 5-8 towards black: the colour's share.
        const int share = i < 4 ? 20 * (i + 1) : 100 - 20 * (i - 4);
        char text[64] = "color-mix(in oklab, ";
        std::strcat(text, hex);
        char* p = text + std::strlen(text);
        *p++ = ' ';
        p += FormatCssNumber(share, 3, p);
        std::strcpy(p, i < 4 ? "%, white)" : "%, black)");
        ColourReading reading;
        out[i] = color;
        if (ReadAnyColor(text, std::strlen(text), GamutMode::kMap, &reading) == CssReadResult::kColour)
            out[i] = {reading.color.blue, reading.color.green, reading.color.red, color.notation};
    }
}

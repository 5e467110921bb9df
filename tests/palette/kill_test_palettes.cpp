// The kill test's two palettes, made with the model as the converter makes one.
#include "kill_test_palettes.h"

#include "palette.h"
#include "palette_format.h"

void FormatKillTestPalette(int which, ByteBuffer* out) {
    Palette palette = {};
    for (unsigned i = 0; i < 500u + 100u * which; ++i) {
        const ColorRecord colour = {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8),
                                    static_cast<uint8_t>(which * 128), 0};
        AddPaletteColour(&palette, colour);
    }
    FormatPalette(palette, PaletteFormat::kGimp, which ? "second" : "first", out);
    FreePalette(&palette);
}

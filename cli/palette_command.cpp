// Printing a palette file through the palette model's own reader.
#include "palette_command.h"

#include "messages.h"
#include "palette.h"
#include "palette_file.h"
#include "palette_read.h"

int RunPaletteCommand(const char* path, const OutputOptions& options, OutputBuffer* out,
                      OutputBuffer* err) {
    ByteBuffer bytes = {};
    FileProblem problem;
    if (!ReadWholeFile(path, &bytes, &problem)) {
        ReportError(err, path, problem.text);
        return 2;
    }
    Palette palette = {};
    PaletteError error;
    const int read = ReadPalette(bytes.data, bytes.size, &palette, &error);
    FreeByteBuffer(&bytes);
    if (!read) {
        char why[128];
        FormatPaletteError(error, why, sizeof why);
        ReportError(err, path, why);
        return 1;
    }
    for (size_t i = 0; i < PaletteSize(palette); ++i) {
        ColourReading colour = OpaqueReading(PaletteColour(palette, i));
        size_t nameLength;
        const char* name = PaletteName(palette, i, &nameLength);
        WritePaletteColourLine(out, options, colour, name, nameLength);
    }
    FreePalette(&palette);
    return 0;
}

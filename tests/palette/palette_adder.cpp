// Another copy of the program, as far as the palette's file goes: adds COUNT
// colours of its own (blue TAG) to the palette at FILE, writing after each.
//   palette_adder FILE TAG COUNT
// Ends with 0, or 1 when a write failed.
#include <cstdio>
#include <cstdlib>

#include "palette_document.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    PaletteDocument document = {};
    FileProblem problem = {};
    PaletteError error = {};
    if (OpenPaletteDocument(&document, argv[1], &problem, &error) != OpenResult::kOpened) return 2;
    const int tag = std::atoi(argv[2]), count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        AddToDocument(&document, ColorRecord{static_cast<uint8_t>(tag), 1, static_cast<uint8_t>(i), 0});
        if (!WritePaletteDocument(&document)) {
            std::fprintf(stderr, "palette_adder: %s\n", document.problem.text);
            return 1;
        }
    }
    FreePaletteDocument(&document);
    return 0;
}

// libFuzzer target over the typed-notation readers and the name lookup: any text
// must be read safely, a rejected text must leave the record alone, and an
// accepted colour must survive its display forms.
#include <cstdint>
#include <cstring>
#include <memory>

#include "named_colors.h"
#include "notation_format.h"
#include "notation_parse.h"

namespace {

const ColorRecord kSentinel = {0x5a, 0xa5, 0x3c, 0xc3};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

bool SameChannels(const ColorRecord& a, const ColorRecord& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The #RRGGBB and decimal-triple forms of an accepted colour read back unchanged.
void CheckDisplayForms(const ColorRecord& color) {
    char text[kColorTextCapacity];
    ColorRecord back = {};
    FormatHex6(color, text);
    Check(ParseHexNotation(text, &back) == 2 && SameChannels(back, color));
    back = {};
    FormatDecimalTriple(color, text);
    Check(ParseDecimalTriple(text, &back) == 1 && SameChannels(back, color));
}

// Runs one reader; returns whether it accepted the text, after the common checks.
bool Read(int (*read)(const char*, ColorRecord*), const char* text, ColorRecord* record) {
    *record = kSentinel;
    const int result = read(text, record);
    Check(record->notation == kSentinel.notation);
    if (result == 0) {
        Check(std::memcmp(record, &kSentinel, sizeof *record) == 0);
        return false;
    }
    CheckDisplayForms(*record);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The readers take NUL-terminated texts, as the edit fields and clipboard give
    // them. The copy is exactly one byte longer, so a read past the NUL is caught.
    std::unique_ptr<char[]> owned(new char[size + 1]);
    char* const text = owned.get();
    if (size > 0) std::memcpy(text, data, size);
    text[size] = '\0';

    ColorRecord record;
    Read(ParseHexNotation, text, &record);
    Read(ParseDecimalTriple, text, &record);
    Read(ParsePercentTriple, text, &record);
    if (Read(LookupColorName, text, &record)) {
        // The name shown for a named colour leads back to the same colour.
        const char* shown = FindColorName(record);
        ColorRecord again = kSentinel;
        Check(LookupColorName(shown, &again) == 1 && SameChannels(again, record));
    }
    return 0;
}

// CSS custom property names from palette names: letters and digits of the name,
// or the colour's digits, and a suffix for a name given before.
#include "palette_css.h"

#include <cstdlib>
#include <cstring>

#include "notation_format.h"

namespace {

// An entry's property name without the suffix, in a shared buffer.
struct CssName {
    size_t begin;
    size_t length;
    size_t repeat;  // 0 for the first entry with this name, then 1, 2, ...
};

// What the names are sorted by: the name, then the entry.
struct SortedName {
    const char* text;
    size_t length;
    size_t entry;
};

int CompareNames(const SortedName& a, const SortedName& b) {
    const int order = std::memcmp(a.text, b.text, a.length < b.length ? a.length : b.length);
    if (order != 0) return order;
    return a.length != b.length ? (a.length < b.length ? -1 : 1) : 0;
}

// For qsort, which the C runtime has already: smaller than a sort of our own.
int CompareNamesThenEntries(const void* a, const void* b) {
    const SortedName& x = *static_cast<const SortedName*>(a);
    const SortedName& y = *static_cast<const SortedName*>(b);
    const int order = CompareNames(x, y);
    if (order != 0) return order;
    return x.entry < y.entry ? -1 : 1;
}

bool IsAsciiLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The name's letters and digits in lower case, each run of anything else one
// '-', none at either end; "color-rrggbb" when that leaves nothing.
void AppendBaseName(const Palette& palette, size_t entry, ByteBuffer* names) {
    const size_t begin = names->size;
    size_t length;
    const char* name = PaletteName(palette, entry, &length);
    bool separate = false;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (!IsAsciiLetterOrDigit(c)) {
            separate = names->size > begin;
            continue;
        }
        if (separate) AppendByte(names, '-');
        separate = false;
        AppendByte(names, static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    }
    if (names->size == begin) {
        char hex[kColorTextCapacity];
        FormatHex6(PaletteColour(palette, entry), hex);
        AppendText(names, "color-");
        AppendText(names, hex + 1);
    }
}

}  // namespace

bool FormatCss(const Palette& palette, ByteBuffer* out) {
    const size_t count = PaletteSize(palette);
    CssName* names = static_cast<CssName*>(std::malloc(count * sizeof(CssName) + 1));
    SortedName* sorted = static_cast<SortedName*>(std::malloc(count * sizeof(SortedName) + 1));
    ByteBuffer text = {};
    for (size_t entry = 0; names && entry < count; ++entry) {
        names[entry].begin = text.size;
        AppendBaseName(palette, entry, &text);
        names[entry].length = text.size - names[entry].begin;
        names[entry].repeat = 0;
    }
    const bool written = names && sorted && !text.failed;
    if (written) {
        // Equal names side by side, in palette order among themselves.
        for (size_t entry = 0; entry < count; ++entry)
            sorted[entry] = SortedName{text.data + names[entry].begin, names[entry].length, entry};
        std::qsort(sorted, count, sizeof *sorted, CompareNamesThenEntries);
        for (size_t i = 1; i < count; ++i)
            if (CompareNames(sorted[i - 1], sorted[i]) == 0)
                names[sorted[i].entry].repeat = names[sorted[i - 1].entry].repeat + 1;
        AppendText(out, ":root {\n");
        for (size_t entry = 0; entry < count; ++entry) {
            AppendText(out, "  --");
            AppendBytes(out, text.data + names[entry].begin, names[entry].length);
            if (names[entry].repeat > 0) {
                char number[kColorTextCapacity];
                FormatDecimal(names[entry].repeat + 1, number);
                AppendByte(out, '_');
                AppendText(out, number);
            }
            char hex[kColorTextCapacity];
            FormatHex6(PaletteColour(palette, entry), hex);
            AppendText(out, ": ");
            AppendText(out, hex);
            AppendText(out, ";\n");
        }
        AppendText(out, "}\n");
    }
    std::free(names);
    std::free(sorted);
    FreeByteBuffer(&text);
    return written;
}

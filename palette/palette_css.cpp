// CSS custom property names from palette names: letters and digits of the name,
// or the colour's digits, and a suffix for a name given before.
#include "palette_css.h"

#include <algorithm>
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
    size_t* sorted = static_cast<size_t*>(std::malloc(count * sizeof(size_t) + 1));
    ByteBuffer text = {};
    bool written = names && sorted;
    for (size_t entry = 0; written && entry < count; ++entry) {
        names[entry].begin = text.size;
        AppendBaseName(palette, entry, &text);
        names[entry].length = text.size - names[entry].begin;
        names[entry].repeat = 0;
        sorted[entry] = entry;
    }
    written = written && !text.failed;
    if (written) {
        // Equal names side by side, in palette order among themselves.
        auto before = [&](size_t a, size_t b) {
            const CssName& x = names[a];
            const CssName& y = names[b];
            const int order = std::memcmp(text.data + x.begin, text.data + y.begin,
                                          std::min(x.length, y.length));
            if (order != 0) return order < 0;
            return x.length != y.length ? x.length < y.length : a < b;
        };
        std::sort(sorted, sorted + count, before);
        for (size_t i = 1; i < count; ++i) {
            const CssName& previous = names[sorted[i - 1]];
            const CssName& name = names[sorted[i]];
            if (name.length == previous.length &&
                std::memcmp(text.data + name.begin, text.data + previous.begin, name.length) == 0)
                names[sorted[i]].repeat = previous.repeat + 1;
        }
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

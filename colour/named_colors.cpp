// The colour-name table and its lookups in both directions.
#include "named_colors.h"

#include <cstring>

namespace {

// The table is written as 0xRRGGBB, the way web authors read colours, and
// stored blue first like the record.
constexpr NamedColor Entry(uint32_t rrggbb, const char* name) {
    return {static_cast<uint8_t>(rrggbb), static_cast<uint8_t>(rrggbb >> 8),
            static_cast<uint8_t>(rrggbb >> 16), name};
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int EqualIgnoringAsciiCase(const char* a, const char* b) {
    while (*a != '\0' && AsciiLower(*a) == AsciiLower(*b)) {
        ++a;
        ++b;
    }
    return AsciiLower(*a) == AsciiLower(*b);
}

}  // namespace

// Only "lightgrey" is spelled with "grey"; the other greys use "gray".
constexpr NamedColor kNamedColors[kNamedColorCount] = {
    Entry(0x000000, "black"),
    Entry(0x000080, "navy"),
    Entry(0x00008b, "darkblue"),
    Entry(0x0000cd, "mediumblue"),
    Entry(0x0000ff, "blue"),
    Entry(0x006400, "darkgreen"),
    Entry(0x008000, "green"),
    Entry(0x008080, "teal"),
    Entry(0x008b8b, "darkcyan"),
    Entry(0x00bfff, "deepskyblue"),
    Entry(0x00ced1, "darkturquoise"),
    Entry(0x00fa9a, "mediumspringgreen"),
    Entry(0x00ff00, "lime"),
    Entry(0x00ff7f, "springgreen"),
    Entry(0x00ffff, "aqua"),
    Entry(0x00ffff, "cyan"),
    Entry(0x191970, "midnightblue"),
    Entry(0x1e90ff, "dodgerblue"),
    Entry(0x20b2aa, "lightseagreen"),
    Entry(0x228b22, "forestgreen"),
    Entry(0x2e8b57, "seagreen"),
    Entry(0x2f4f4f, "darkslategray"),
    Entry(0x32cd32, "limegreen"),
    Entry(0x3cb371, "mediumseagreen"),
    Entry(0x40e0d0, "turquoise"),
    Entry(0x4169e1, "royalblue"),
    Entry(0x4682b4, "steelblue"),
    Entry(0x483d8b, "darkslateblue"),
    Entry(0x48d1cc, "mediumturquoise"),
    Entry(0x4b0082, "indigo"),
    Entry(0x556b2f, "darkolivegreen"),
    Entry(0x5f9ea0, "cadetblue"),
    Entry(0x6495ed, "cornflowerblue"),
    Entry(0x66cdaa, "mediumaquamarine"),
    Entry(0x696969, "dimgray"),
    Entry(0x6a5acd, "slateblue"),
    Entry(0x6b8e23, "olivedrab"),
    Entry(0x708090, "slategray"),
    Entry(0x778899, "lightslategray"),
    Entry(0x7b68ee, "mediumslateblue"),
    Entry(0x7cfc00, "lawngreen"),
    Entry(0x7fff00, "chartreuse"),
    Entry(0x7fffd4, "aquamarine"),
    Entry(0x800000, "maroon"),
    Entry(0x800080, "purple"),
    Entry(0x808000, "olive"),
    Entry(0x808080, "gray"),
    Entry(0x87ceeb, "skyblue"),
    Entry(0x87cefa, "lightskyblue"),
    Entry(0x8a2be2, "blueviolet"),
    Entry(0x8b0000, "darkred"),
    Entry(0x8b008b, "darkmagenta"),
    Entry(0x8b4513, "saddlebrown"),
    Entry(0x8fbc8f, "darkseagreen"),
    Entry(0x90ee90, "lightgreen"),
    Entry(0x9370db, "mediumpurple"),
    Entry(0x9400d3, "darkviolet"),
    Entry(0x98fb98, "palegreen"),
    Entry(0x9932cc, "darkorchid"),
    Entry(0x9acd32, "yellowgreen"),
    Entry(0xa0522d, "sienna"),
    Entry(0xa52a2a, "brown"),
    Entry(0xa9a9a9, "darkgray"),
    Entry(0xadd8e6, "lightblue"),
    Entry(0xadff2f, "greenyellow"),
    Entry(0xafeeee, "paleturquoise"),
    Entry(0xb0c4de, "lightsteelblue"),
    Entry(0xb0e0e6, "powderblue"),
    Entry(0xb22222, "firebrick"),
    Entry(0xb8860b, "darkgoldenrod"),
    Entry(0xba55d3, "mediumorchid"),
    Entry(0xbc8f8f, "rosybrown"),
    Entry(0xbdb76b, "darkkhaki"),
    Entry(0xc0c0c0, "silver"),
    Entry(0xc71585, "mediumvioletred"),
    Entry(0xcd5c5c, "indianred"),
    Entry(0xcd853f, "peru"),
    Entry(0xd2691e, "chocolate"),
    Entry(0xd2b48c, "tan"),
    Entry(0xd3d3d3, "lightgrey"),
    Entry(0xd8bfd8, "thistle"),
    Entry(0xda70d6, "orchid"),
    Entry(0xdaa520, "goldenrod"),
    Entry(0xdb7093, "palevioletred"),
    Entry(0xdc143c, "crimson"),
    Entry(0xdcdcdc, "gainsboro"),
    Entry(0xdda0dd, "plum"),
    Entry(0xdeb887, "burlywood"),
    Entry(0xe0ffff, "lightcyan"),
    Entry(0xe6e6fa, "lavender"),
    Entry(0xe9967a, "darksalmon"),
    Entry(0xee82ee, "violet"),
    Entry(0xeee8aa, "palegoldenrod"),
    Entry(0xf08080, "lightcoral"),
    Entry(0xf0e68c, "khaki"),
    Entry(0xf0f8ff, "aliceblue"),
    Entry(0xf0fff0, "honeydew"),
    Entry(0xf0ffff, "azure"),
    Entry(0xf4a460, "sandybrown"),
    Entry(0xf5deb3, "wheat"),
    Entry(0xf5f5dc, "beige"),
    Entry(0xf5f5f5, "whitesmoke"),
    Entry(0xf5fffa, "mintcream"),
    Entry(0xf8f8ff, "ghostwhite"),
    Entry(0xfa8072, "salmon"),
    Entry(0xfaebd7, "antiquewhite"),
    Entry(0xfaf0e6, "linen"),
    Entry(0xfafad2, "lightgoldenrodyellow"),
    Entry(0xfdf5e6, "oldlace"),
    Entry(0xff0000, "red"),
    Entry(0xff00ff, "fuchsia"),
    Entry(0xff00ff, "magenta"),
    Entry(0xff1493, "deeppink"),
    Entry(0xff4500, "orangered"),
    Entry(0xff6347, "tomato"),
    Entry(0xff69b4, "hotpink"),
    Entry(0xff7f50, "coral"),
    Entry(0xff8c00, "darkorange"),
    Entry(0xffa07a, "lightsalmon"),
    Entry(0xffa500, "orange"),
    Entry(0xffb6c1, "lightpink"),
    Entry(0xffc0cb, "pink"),
    Entry(0xffd700, "gold"),
    Entry(0xffdab9, "peachpuff"),
    Entry(0xffdead, "navajowhite"),
    Entry(0xffe4b5, "moccasin"),
    Entry(0xffe4c4, "bisque"),
    Entry(0xffe4e1, "mistyrose"),
    Entry(0xffebcd, "blanchedalmond"),
    Entry(0xffefd5, "papayawhip"),
    Entry(0xfff0f5, "lavenderblush"),
    Entry(0xfff5ee, "seashell"),
    Entry(0xfff8dc, "cornsilk"),
    Entry(0xfffacd, "lemonchiffon"),
    Entry(0xfffaf0, "floralwhite"),
    Entry(0xfffafa, "snow"),
    Entry(0xffff00, "yellow"),
    Entry(0xffffe0, "lightyellow"),
    Entry(0xfffff0, "ivory"),
    Entry(0xffffff, "white"),
};

namespace {

constexpr int kLetterCount = 26;

// The table's indices grouped by the name's first letter, in table order within
// a letter, and each name's length, so that a lookup compares only the names
// that can match: the command-line program may look up a name for every line
// of its input.
struct NameIndex {
    uint8_t start[kLetterCount + 1];  // a letter's indices are order[start[l], start[l + 1])
    uint8_t order[kNamedColorCount];
    uint8_t length[kNamedColorCount];  // by table index
};

constexpr uint8_t NameLength(const char* name) {
    uint8_t length = 0;
    while (name[length] != '\0') ++length;
    return length;
}

constexpr NameIndex BuildNameIndex() {
    NameIndex index = {};
    for (int i = 0; i < kNamedColorCount; ++i) {
        index.length[i] = NameLength(kNamedColors[i].name);
        ++index.start[kNamedColors[i].name[0] - 'a' + 1];
    }
    for (int letter = 0; letter < kLetterCount; ++letter)
        index.start[letter + 1] += index.start[letter];
    uint8_t next[kLetterCount] = {};
    for (int letter = 0; letter < kLetterCount; ++letter) next[letter] = index.start[letter];
    for (int i = 0; i < kNamedColorCount; ++i)
        index.order[next[kNamedColors[i].name[0] - 'a']++] = static_cast<uint8_t>(i);
    return index;
}

constexpr NameIndex kNameIndex = BuildNameIndex();

// Where each red value's entries start. The table is sorted by colour, so the
// entries of a colour, if any, lie among those of its red: the command-line
// program looks for a name on every line, and most reds have none.
struct RedIndex {
    uint8_t start[257];  // red r's entries are kNamedColors[start[r], start[r + 1])
};

constexpr RedIndex BuildRedIndex() {
    RedIndex index = {};
    for (const NamedColor& entry : kNamedColors) ++index.start[entry.red + 1];
    for (int red = 0; red < 256; ++red) index.start[red + 1] += index.start[red];
    return index;
}

constexpr RedIndex kRedIndex = BuildRedIndex();

}  // namespace

int LookupColorName(const char* text, ColorRecord* record) {
    const char first = AsciiLower(text[0]);
    if (first < 'a' || first > 'z') return 0;
    const int letter = first - 'a';
    const size_t length = std::strlen(text);
    for (int i = kNameIndex.start[letter]; i < kNameIndex.start[letter + 1]; ++i) {
        const int index = kNameIndex.order[i];
        const NamedColor& entry = kNamedColors[index];
        if (kNameIndex.length[index] == length && EqualIgnoringAsciiCase(text, entry.name)) {
            record->red = entry.red;
            record->green = entry.green;
            record->blue = entry.blue;
            return 1;
        }
    }
    return 0;
}

const char* FindColorName(const ColorRecord& color) {
    for (int i = kRedIndex.start[color.red]; i < kRedIndex.start[color.red + 1]; ++i) {
        const NamedColor& entry = kNamedColors[i];
        if (entry.green == color.green && entry.blue == color.blue) return entry.name;
    }
    return "";
}

// The palette's file as a GIMP palette, JSON or plain text, and the choice of
// format and title by the file's name.
#include "palette_format.h"

#include <cstring>

#include "notation_format.h"
#include "palette_css.h"
#include "escape.h"
#include "utf8.h"

namespace {

bool EqualIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        const char la = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        if (la != *b) return false;
    }
    return *a == *b;
}

// Where the file's own name starts, after its folder.
const char* BaseName(const char* fileName) {
    const char* base = fileName;
    for (const char* p = fileName; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') base = p + 1;
    return base;
}

// The '.' of the extension, or the end of the name when it has none.
const char* ExtensionStart(const char* base) {
    const char* dot = std::strrchr(base, '.');
    return dot && dot != base ? dot : base + std::strlen(base);
}

void AppendHex6(ByteBuffer* out, const ColorRecord& colour) {
    char hex[kColorTextCapacity];
    AppendBytes(out, hex, static_cast<size_t>(FormatHex6(colour, hex)));
}

// GIMP reads a palette's name as UTF-8, but a file name here is in the
// system's code page: only plain ASCII is the same in both.
bool IsPlainAscii(const char* text) {
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80) return false;
    return true;
}

void FormatGimp(const Palette& palette, const char* title, ByteBuffer* out) {
    if (!palette.ownHeader) {
        AppendText(out, "GIMP Palette\n");
        if (*title && IsPlainAscii(title)) {
            AppendText(out, "Name: ");
            // A file name holds no line break, but a title must never make one.
            for (const char* p = title; *p; ++p)
                AppendByte(out, static_cast<unsigned char>(*p) < 0x20 ? ' ' : *p);
            AppendByte(out, '\n');
        }
    }
    for (size_t i = 0; i < palette.spanCount; ++i)
        AppendBytes(out, palette.text.data + palette.spans[i].begin, palette.spans[i].length);
}

// A JSON string of the text, escaped as palorin-cli's JSON is.
void AppendJsonString(ByteBuffer* out, const char* text, size_t length) {
    AppendByte(out, '"');
    char escaped[256 * kMaxEscapedByteSize];
    while (length > 0) {
        const size_t slice = length > 256 ? WithoutCutCharacter(text, 256) : length;
        AppendBytes(out, escaped, PutEscaped(text, slice, EscapeStyle::kJson, escaped) - escaped);
        text += slice;
        length -= slice;
    }
    AppendByte(out, '"');
}

void FormatJson(const Palette& palette, ByteBuffer* out) {
    AppendByte(out, '[');
    for (size_t entry = 0; entry < PaletteSize(palette); ++entry) {
        AppendText(out, entry == 0 ? "\n  {\"hex\": \"" : ",\n  {\"hex\": \"");
        AppendHex6(out, PaletteColour(palette, entry));
        AppendText(out, "\", \"name\": ");
        size_t length;
        const char* name = PaletteName(palette, entry, &length);
        if (length > 0) AppendJsonString(out, name, length);
        else AppendText(out, "null");
        AppendByte(out, '}');
    }
    AppendText(out, PaletteSize(palette) > 0 ? "\n]\n" : "]\n");
}

void FormatText(const Palette& palette, ByteBuffer* out) {
    for (size_t entry = 0; entry < PaletteSize(palette); ++entry) {
        AppendHex6(out, PaletteColour(palette, entry));
        AppendByte(out, '\n');
    }
}

}  // namespace

int PaletteFormatOfFileName(const char* fileName, PaletteFormat* format) {
    static const struct {
        const char* extension;
        PaletteFormat format;
    } kFormats[] = {
        {".gpl", PaletteFormat::kGimp},
        {".css", PaletteFormat::kCss},
        {".json", PaletteFormat::kJson},
        {".txt", PaletteFormat::kText},
    };
    const char* extension = ExtensionStart(BaseName(fileName));
    for (const auto& known : kFormats) {
        if (EqualIgnoringCase(extension, known.extension)) {
            *format = known.format;
            return 1;
        }
    }
    return 0;
}

void PaletteTitleOfFileName(const char* fileName, char* out, size_t capacity) {
    const char* base = BaseName(fileName);
    size_t length = static_cast<size_t>(ExtensionStart(base) - base);
    if (length > capacity - 1) length = capacity - 1;
    std::memcpy(out, base, length);
    out[length] = '\0';
}

int FormatPalette(const Palette& palette, PaletteFormat format, const char* title,
                  ByteBuffer* out) {
    out->size = 0;
    out->failed = false;
    switch (format) {
    case PaletteFormat::kGimp: FormatGimp(palette, title, out); break;
    case PaletteFormat::kCss: if (!FormatCss(palette, out)) return 0; break;
    case PaletteFormat::kJson: FormatJson(palette, out); break;
    case PaletteFormat::kText: FormatText(palette, out); break;
    }
    return out->failed ? 0 : 1;
}

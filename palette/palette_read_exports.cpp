// The JSON and CSS palettes Save writes, read back (see palette_read_exports.h).
// Each reader walks the bytes once with a cursor that counts lines, so that a
// refusal names the line, and takes each colour through the one colour reader.
#include "palette_read_exports.h"

#include <cstring>

#include "byte_buffer.h"
#include "notation_format.h"
#include "palette_spans.h"
#include "read_color.h"
#include "utf8.h"

const char kNotAColour[] = "not a colour";
const char kNoMemory[] = "not enough memory";

namespace {

const char kNotJson[] = "not a palette in JSON";
const char kNotCss[] = "not a palette of CSS custom properties";
const char kNoHex[] = "a colour without \"hex\"";
const char kBadText[] = "not UTF-8";

struct Cursor {
    const char* p;
    const char* end;
    size_t line;  // counted from 1
};

bool AtEnd(const Cursor& c) { return c.p >= c.end; }

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f'; }

void SkipSpace(Cursor* c) {
    for (; !AtEnd(*c) && IsSpace(*c->p); ++c->p)
        if (*c->p == '\n') ++c->line;
}

// Blanks and /* comments */, as CSS has them between tokens.
void SkipCssSpace(Cursor* c) {
    for (;;) {
        SkipSpace(c);
        if (c->end - c->p < 2 || c->p[0] != '/' || c->p[1] != '*') return;
        const char* p = c->p + 2;
        while (p < c->end && !(p[0] == '*' && p + 1 < c->end && p[1] == '/')) ++p;
        for (const char* q = c->p; q < p && q < c->end; ++q)
            if (*q == '\n') ++c->line;
        c->p = p < c->end ? p + 2 : c->end;
    }
}

bool Take(Cursor* c, char ch) {
    if (AtEnd(*c) || *c->p != ch) return false;
    ++c->p;
    return true;
}

bool TakeWord(Cursor* c, const char* word) {
    const size_t length = std::strlen(word);
    if (static_cast<size_t>(c->end - c->p) < length || std::memcmp(c->p, word, length) != 0)
        return false;
    c->p += length;
    return true;
}

Cursor AfterByteOrderMark(const char* bytes, size_t size) {
    Cursor c = {bytes, bytes + size, 1};
    if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) c.p += 3;
    return c;
}

// The colour a text names, in any notation the program reads; `text` holds it
// NUL-terminated.
bool ReadColourText(const ByteBuffer& text, ColorRecord* colour) {
    ColourReading reading;
    if (ReadAnyColorWithoutNul(text.data, text.size - 1, GamutMode::kMap, &reading) !=
        CssReadResult::kColour)
        return false;
    *colour = reading.color;
    return true;
}

// A colour line named `name` at the end of the palette.
const char* AddColour(Palette* palette, const ColorRecord& colour, const char* name,
                      size_t nameLength) {
    PaletteSpan span;
    if (!AddColourLineText(palette, colour, nameLength ? name : "", nameLength, &span) ||
        !ReservePaletteSpans(palette, palette->spanCount + 1))
        return kNoMemory;
    PushSpan(palette, span);
    return nullptr;
}

void PutUtf8(ByteBuffer* out, unsigned long code) {
    if (code < 0x80) {
        AppendByte(out, static_cast<char>(code));
    } else if (code < 0x800) {
        AppendByte(out, static_cast<char>(0xC0 | (code >> 6)));
        AppendByte(out, static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        AppendByte(out, static_cast<char>(0xE0 | (code >> 12)));
        AppendByte(out, static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        AppendByte(out, static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        AppendByte(out, static_cast<char>(0xF0 | (code >> 18)));
        AppendByte(out, static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        AppendByte(out, static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        AppendByte(out, static_cast<char>(0x80 | (code & 0x3F)));
    }
}

bool TakeHex4(Cursor* c, unsigned long* value) {
    *value = 0;
    for (int i = 0; i < 4; ++i, ++c->p) {
        if (AtEnd(*c)) return false;
        const char ch = *c->p;
        const int digit = ch >= '0' && ch <= '9'   ? ch - '0'
                          : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                          : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                   : -1;
        if (digit < 0) return false;
        *value = *value * 16 + static_cast<unsigned long>(digit);
    }
    return true;
}

// A JSON string into `out`, unescaped, as UTF-8. A control character, which a
// palette's line can't hold, becomes a blank. Null on success, else the reason.
const char* TakeJsonString(Cursor* c, ByteBuffer* out) {
    out->size = 0;
    if (!Take(c, '"')) return kNotJson;
    while (!AtEnd(*c) && *c->p != '"') {
        const unsigned char ch = static_cast<unsigned char>(*c->p);
        if (ch < 0x20) return kNotJson;
        if (ch >= 0x80) {
            const size_t length = Utf8CharacterLength(c->p, static_cast<size_t>(c->end - c->p));
            if (length == 0) return kBadText;
            AppendBytes(out, c->p, length);
            c->p += length;
            continue;
        }
        ++c->p;
        if (ch != '\\') {
            AppendByte(out, static_cast<char>(ch));
            continue;
        }
        if (AtEnd(*c)) return kNotJson;
        const char escape = *c->p++;
        unsigned long code;
        switch (escape) {
        case '"': case '\\': case '/': code = static_cast<unsigned char>(escape); break;
        case 'b': case 'f': case 'n': case 'r': case 't': code = ' '; break;
        case 'u': {
            if (!TakeHex4(c, &code)) return kNotJson;
            // A surrogate pair is one character; a lone surrogate is none.
            if (code >= 0xD800 && code < 0xDC00) {
                unsigned long low;
                if (!TakeWord(c, "\\u") || !TakeHex4(c, &low) || low < 0xDC00 || low > 0xDFFF)
                    return kBadText;
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code < 0xE000) {
                return kBadText;
            }
            if (code < 0x20) code = ' ';
            break;
        }
        default: return kNotJson;
        }
        PutUtf8(out, code);
    }
    if (!Take(c, '"')) return kNotJson;
    return out->failed ? kNoMemory : nullptr;
}

// A value of a key the palette has no use for: a string, a number, true,
// false or null.
bool SkipJsonScalar(Cursor* c, ByteBuffer* scratch) {
    if (!AtEnd(*c) && *c->p == '"') return TakeJsonString(c, scratch) == nullptr;
    if (TakeWord(c, "true") || TakeWord(c, "false") || TakeWord(c, "null")) return true;
    const char* start = c->p;
    while (!AtEnd(*c) && std::strchr("+-0123456789.eE", *c->p)) ++c->p;
    return c->p > start;
}

// One {"hex": ..., "name": ...} object, keys in any order, as a colour line.
const char* ReadJsonColour(Cursor* c, Palette* palette, ByteBuffer* key, ByteBuffer* hex,
                           ByteBuffer* name) {
    if (!Take(c, '{')) return kNotJson;
    bool haveHex = false;
    SkipSpace(c);
    for (bool first = true; !Take(c, '}'); first = false) {
        if (!first) {
            if (!Take(c, ',')) return kNotJson;
            SkipSpace(c);
        }
        if (const char* reason = TakeJsonString(c, key)) return reason;
        SkipSpace(c);
        if (!Take(c, ':')) return kNotJson;
        SkipSpace(c);
        const bool isHex = key->size == 3 && std::memcmp(key->data, "hex", 3) == 0;
        const bool isName = key->size == 4 && std::memcmp(key->data, "name", 4) == 0;
        if (isHex) {
            if (const char* reason = TakeJsonString(c, hex)) return reason;
            haveHex = true;
        } else if (isName && TakeWord(c, "null")) {
            name->size = 0;
        } else if (isName) {
            if (const char* reason = TakeJsonString(c, name)) return reason;
        } else if (!SkipJsonScalar(c, key)) {
            return kNotJson;
        }
        SkipSpace(c);
    }
    if (!haveHex) return kNoHex;
    ColorRecord colour;
    if (!AppendByte(hex, '\0')) return kNoMemory;
    if (!ReadColourText(*hex, &colour)) return kNotAColour;
    return AddColour(palette, colour, name->data, name->size);
}

}  // namespace

ExportKind ExportKindOf(const char* bytes, size_t size) {
    Cursor c = AfterByteOrderMark(bytes, size);
    SkipCssSpace(&c);
    if (Take(&c, '[')) return ExportKind::kJson;
    if (TakeWord(&c, ":root")) return ExportKind::kCss;
    return ExportKind::kNone;
}

const char* ReadJsonExport(const char* bytes, size_t size, Palette* palette, size_t* lineNumber) {
    Cursor c = AfterByteOrderMark(bytes, size);
    ByteBuffer key = {}, hex = {}, name = {};
    const char* reason = nullptr;
    SkipSpace(&c);
    if (!Take(&c, '[')) reason = kNotJson;
    SkipSpace(&c);
    for (bool first = true; !reason && !Take(&c, ']'); first = false) {
        if (!first && !Take(&c, ',')) {
            reason = kNotJson;
            break;
        }
        SkipSpace(&c);
        name.size = 0;
        reason = ReadJsonColour(&c, palette, &key, &hex, &name);
        if (!reason) SkipSpace(&c);
    }
    if (!reason) {
        SkipSpace(&c);
        if (!AtEnd(c)) reason = kNotJson;
    }
    *lineNumber = c.line;
    FreeByteBuffer(&key);
    FreeByteBuffer(&hex);
    FreeByteBuffer(&name);
    return reason;
}

namespace {

bool IsNameCharacter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '-' || ch == '_' || static_cast<unsigned char>(ch) >= 0x80;
}

// The colour's name from its property's: without the "_2", "_3" ... that told
// equal names apart, and none for the "color-rrggbb" given to a nameless colour.
size_t NameLength(const char* name, size_t length, const ColorRecord& colour) {
    size_t end = length;
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
    if (end < length && end > 1 && name[end - 1] == '_') length = end - 1;
    char generated[16];
    FormatHex6(colour, generated);
    if (length == 12 && std::memcmp(name, "color-", 6) == 0 &&
        std::memcmp(name + 6, generated + 1, 6) == 0)
        return 0;
    return length;
}

// One "--name: colour;" declaration as a colour line.
const char* ReadCssDeclaration(Cursor* c, Palette* palette, ByteBuffer* value) {
    if (!TakeWord(c, "--")) return kNotCss;
    const char* name = c->p;
    while (!AtEnd(*c) && IsNameCharacter(*c->p)) ++c->p;
    const size_t length = static_cast<size_t>(c->p - name);
    if (length == 0 || Utf8CharacterLength(name, length) == 0) return kNotCss;
    SkipCssSpace(c);
    if (!Take(c, ':')) return kNotCss;
    SkipCssSpace(c);
    // The value to the ';', its comments left out.
    value->size = 0;
    while (!AtEnd(*c) && *c->p != ';' && *c->p != '}' && *c->p != '\n') {
        if (c->end - c->p >= 2 && c->p[0] == '/' && c->p[1] == '*') {
            SkipCssSpace(c);
            AppendByte(value, ' ');
        } else {
            AppendByte(value, *c->p++);
        }
    }
    while (value->size > 0 && IsSpace(value->data[value->size - 1])) --value->size;
    Take(c, ';');
    if (!AppendByte(value, '\0')) return kNoMemory;
    ColorRecord colour;
    if (!ReadColourText(*value, &colour)) return kNotAColour;
    return AddColour(palette, colour, name, NameLength(name, length, colour));
}

}  // namespace

const char* ReadCssExport(const char* bytes, size_t size, Palette* palette, size_t* lineNumber) {
    Cursor c = AfterByteOrderMark(bytes, size);
    ByteBuffer value = {};
    const char* reason = nullptr;
    SkipCssSpace(&c);
    if (!TakeWord(&c, ":root")) reason = kNotCss;
    SkipCssSpace(&c);
    if (!reason && !Take(&c, '{')) reason = kNotCss;
    SkipCssSpace(&c);
    while (!reason && !Take(&c, '}')) {
        reason = ReadCssDeclaration(&c, palette, &value);
        if (!reason) SkipCssSpace(&c);
    }
    if (!reason) {
        SkipCssSpace(&c);
        if (!AtEnd(c)) reason = kNotCss;
    }
    *lineNumber = c.line;
    FreeByteBuffer(&value);
    return reason;
}

// Reading a palette file in one pass over its lines: GIMP palettes keep their
// lines, plain text becomes a new palette of GIMP lines.
#include "palette_read.h"

#include <cstring>

#include "named_colors.h"
#include "notation_format.h"
#include "read_color.h"
#include "palette_read_exports.h"
#include "palette_spans.h"

namespace {

const char kChannelTooLarge[] = "a channel above 255";
const char kHoldsNul[] = "holds a NUL byte";
const char kTooLarge[] = "the file is too large";

const char kByteOrderMark[] = "\xEF\xBB\xBF";
const char kGimpMagic[] = "GIMP Palette";

// One line of the file: [begin, end) without its line end, `next` where the
// following line starts.
struct Line {
    size_t begin;
    size_t end;
    size_t next;
};

Line LineAt(const char* bytes, size_t size, size_t begin) {
    const void* lf = begin < size ? std::memchr(bytes + begin, '\n', size - begin) : nullptr;
    Line line;
    line.begin = begin;
    line.next = lf ? static_cast<size_t>(static_cast<const char*>(lf) - bytes) + 1 : size;
    line.end = lf ? line.next - 1 : size;
    if (line.end > begin && bytes[line.end - 1] == '\r') --line.end;
    return line;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

const char* SkipBlanks(const char* p, const char* end) {
    while (p < end && IsBlank(*p)) ++p;
    return p;
}

bool StartsWith(const char* p, const char* end, const char* prefix) {
    const size_t length = std::strlen(prefix);
    return static_cast<size_t>(end - p) >= length && std::memcmp(p, prefix, length) == 0;
}

size_t ByteOrderMarkLength(const char* bytes, size_t size) {
    return StartsWith(bytes, bytes + size, kByteOrderMark) ? 3 : 0;
}

bool IsGimpMagic(const char* p, const char* end) {
    return StartsWith(p, end, kGimpMagic) && SkipBlanks(p + std::strlen(kGimpMagic), end) == end;
}

// Reads "R G B[ name]" of a GIMP colour line. kNotAColour or kChannelTooLarge
// when it is none; null with the colour and the name's place set when it is.
const char* ParseGimpColour(const char* p, const char* end, ColorRecord* colour,
                            const char** name, const char** nameEnd) {
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const char* start = p;
        p = SkipBlanks(p, end);
        if ((i > 0 && p == start) || p == end || *p < '0' || *p > '9') return kNotAColour;
        int value = 0;
        for (; p < end && *p >= '0' && *p <= '9'; ++p)
            if (value <= 255) value = value * 10 + (*p - '0');
        channels[i] = value;
    }
    if (p < end && !IsBlank(*p)) return kNotAColour;
    for (int value : channels)
        if (value > 255) return kChannelTooLarge;
    *name = SkipBlanks(p, end);
    *nameEnd = end;
    while (*nameEnd > *name && IsBlank((*nameEnd)[-1])) --*nameEnd;
    *colour = ColorRecord{static_cast<uint8_t>(channels[2]), static_cast<uint8_t>(channels[1]),
                          static_cast<uint8_t>(channels[0]), 0};
    return nullptr;
}

// Appends a span, growing the room; false when memory runs out.
bool AddSpan(Palette* palette, const PaletteSpan& span) {
    if (!ReservePaletteSpans(palette, palette->spanCount + 1)) return false;
    PushSpan(palette, span);
    return true;
}

bool AddOtherLines(Palette* palette, size_t begin, size_t end) {
    PaletteSpan span = {};
    span.begin = static_cast<uint32_t>(begin);
    span.length = static_cast<uint32_t>(end - begin);
    return AddSpan(palette, span);
}

// The GIMP palette's lines, kept as they are. Null on success, else the reason
// for *lineNumber.
const char* ReadGimpLines(const char* bytes, size_t size, Palette* palette, size_t* lineNumber) {
    if (!AppendBytes(&palette->text, bytes, size)) return kNoMemory;
    const char* text = palette->text.data;
    const Line magic = LineAt(text, size, 0);
    palette->ownHeader = true;
    palette->crLf = magic.end + 2 == magic.next;
    size_t othersBegin = 0;  // where the lines since the last colour line start
    bool inHeader = true;
    *lineNumber = 1;
    for (Line line = LineAt(text, size, magic.next); line.begin < size;
         line = LineAt(text, size, line.next)) {
        ++*lineNumber;
        const char* end = text + line.end;
        if (std::memchr(text + line.begin, '\0', line.end - line.begin)) return kHoldsNul;
        const char* p = SkipBlanks(text + line.begin, end);
        if (p == end || *p == '#') continue;
        if (inHeader && (StartsWith(p, end, "Name:") || StartsWith(p, end, "Columns:"))) continue;
        PaletteSpan span = {};
        const char* name;
        const char* nameEnd;
        if (const char* reason = ParseGimpColour(p, end, &span.colour, &name, &nameEnd))
            return reason;
        inHeader = false;
        if (othersBegin < line.begin && !AddOtherLines(palette, othersBegin, line.begin))
            return kNoMemory;
        span.begin = static_cast<uint32_t>(line.begin);
        span.length = static_cast<uint32_t>(line.next - line.begin);
        span.nameOffset = static_cast<uint32_t>(name - (text + line.begin));
        span.nameLength = static_cast<uint32_t>(nameEnd - name);
        span.isColour = true;
        if (!AddSpan(palette, span)) return kNoMemory;
        othersBegin = line.next;
    }
    if (othersBegin < size && !AddOtherLines(palette, othersBegin, size)) return kNoMemory;
    return nullptr;
}

// A plain text palette, one colour a line, as a new palette of GIMP lines.
const char* ReadTextLines(const char* bytes, size_t size, Palette* palette, size_t* lineNumber) {
    ByteBuffer colourText = {};  // one line at a time, NUL-terminated for the colour reader
    const char* reason = nullptr;
    *lineNumber = 0;
    for (Line line = LineAt(bytes, size, ByteOrderMarkLength(bytes, size)); line.begin < size;
         line = LineAt(bytes, size, line.next)) {
        ++*lineNumber;
        const char* end = bytes + line.end;
        const char* p = SkipBlanks(bytes + line.begin, end);
        while (end > p && IsBlank(end[-1])) --end;
        if (p == end) continue;
        if (std::memchr(p, '\0', static_cast<size_t>(end - p))) {
            reason = kHoldsNul;
            break;
        }
        colourText.size = 0;
        if (!AppendBytes(&colourText, p, static_cast<size_t>(end - p)) ||
            !AppendByte(&colourText, '\0')) {
            reason = kNoMemory;
            break;
        }
        ColourReading reading;
        if (ReadAnyColorWithoutNul(colourText.data, colourText.size - 1, GamutMode::kMap,
                                   &reading) != CssReadResult::kColour) {
            reason = kNotAColour;
            break;
        }
        const ColorRecord colour = reading.color;
        const char* name = FindColorName(colour);
        PaletteSpan span;
        if (!AddColourLineText(palette, colour, name, std::strlen(name), &span) ||
            !AddSpan(palette, span)) {
            reason = kNoMemory;
            break;
        }
    }
    FreeByteBuffer(&colourText);
    return reason;
}

}  // namespace

int ReadPalette(const char* bytes, size_t size, Palette* palette, PaletteError* error) {
    if (size > kMaxPaletteText) {
        *error = PaletteError{0, kTooLarge};
        return 0;
    }
    const size_t mark = ByteOrderMarkLength(bytes, size);
    const Line first = LineAt(bytes, size, mark);
    Palette read = {};
    size_t lineNumber = 0;
    const char* reason;
    if (IsGimpMagic(bytes + first.begin, bytes + first.end)) {
        reason = ReadGimpLines(bytes, size, &read, &lineNumber);
    } else {
        switch (ExportKindOf(bytes, size)) {
        case ExportKind::kJson: reason = ReadJsonExport(bytes, size, &read, &lineNumber); break;
        case ExportKind::kCss: reason = ReadCssExport(bytes, size, &read, &lineNumber); break;
        default: reason = ReadTextLines(bytes, size, &read, &lineNumber); break;
        }
    }
    if (reason) {
        FreePalette(&read);
        *error = PaletteError{reason == kNoMemory ? 0 : lineNumber, reason};
        return 0;
    }
    IndexEntries(&read);
    FreePalette(palette);
    *palette = read;
    return 1;
}

void FormatPaletteError(const PaletteError& error, char* out, size_t capacity) {
    char text[kColorTextCapacity + 64] = "";
    if (error.line > 0) {
        std::strcpy(text, "line ");
        FormatDecimal(error.line, text + std::strlen(text));
        std::strcat(text, ": ");
    }
    std::strncat(text, error.reason, sizeof text - std::strlen(text) - 1);
    std::strncpy(out, text, capacity - 1);
    out[capacity - 1] = '\0';
}

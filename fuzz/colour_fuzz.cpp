// libFuzzer target over the typed-notation readers, the name lookup, the one
// reader of any colour text with its CSS reader, palorin-cli's line reader and
// the palette file reader: any text must be read safely, a rejected text must
// leave the record alone, an accepted colour must survive its display forms
// and its CSS forms, any stream, read in any chunks, must come back as exactly
// its lines, which JSON writes the same piece by piece as whole, and a palette
// must write back as it was read and read back as it was edited.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "css_format.h"
#include "css_stop.h"
#include "escape.h"
#include "line_reader.h"
#include "named_colors.h"
#include "notation_format.h"
#include "notation_parse.h"
#include "palette.h"
#include "palette_format.h"
#include "palette_read.h"
#include "read_color.h"

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

// One channel field: accepted exactly when it is one to three digits whose
// value is at most the limit, and then with that value.
void CheckDecimalChannel(const char* text, int limit) {
    uint8_t value = 0x5a;
    const int accepted = ParseDecimalChannel(text, limit, &value);
    const size_t length = std::strlen(text);
    bool digits = length >= 1 && length <= 3;
    int expected = 0;
    for (size_t i = 0; digits && i < length; ++i) {
        digits = text[i] >= '0' && text[i] <= '9';
        expected = expected * 10 + (text[i] - '0');
    }
    Check(accepted == (digits && expected <= limit));
    Check(value == (accepted ? expected : 0x5a));
}

// "H,L,S" is read as its three fields split at the commas would be.
void CheckHlsTriple(const char* text) {
    HlsTriple hls = {0x5a, 0xa5, 0x3c};
    const int accepted = ParseHlsTriple(text, &hls);
    const char* first = std::strchr(text, ',');
    const char* second = first ? std::strchr(first + 1, ',') : nullptr;
    bool expected = second && !std::strchr(second + 1, ',');
    uint8_t values[3] = {};
    if (expected) {
        const std::string fields[3] = {std::string(text, first), std::string(first + 1, second),
                                       std::string(second + 1)};
        const int limits[3] = {kHlsScale - 1, kHlsScale, kHlsScale};
        for (int i = 0; i < 3 && expected; ++i)
            expected = ParseDecimalChannel(fields[i].c_str(), limits[i], &values[i]);
    }
    Check(accepted == expected);
    if (accepted)
        Check(hls.hue == values[0] && hls.lightness == values[1] && hls.saturation == values[2]);
    else
        Check(hls.hue == 0x5a && hls.lightness == 0xa5 && hls.saturation == 0x3c);
}

// A stream handed out in chunks of sizes taken from the fuzz input.
struct ChunkedStream {
    const uint8_t* data;
    size_t size;
    size_t position;
    uint8_t chunkSeed;
};

long ReadChunk(void* context, char* into, size_t size) {
    ChunkedStream* stream = static_cast<ChunkedStream*>(context);
    size_t chunk = 1 + (stream->chunkSeed + stream->position) % 23;
    if (chunk > size) chunk = size;
    if (chunk > stream->size - stream->position) chunk = stream->size - stream->position;
    std::memcpy(into, stream->data + stream->position, chunk);
    stream->position += chunk;
    return static_cast<long>(chunk);
}

// The lines as the reader promises them: split at LF, one CR before it dropped,
// a last line without LF kept.
std::vector<std::string> ExpectedLines(const uint8_t* data, size_t size, std::vector<size_t>* raw) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != '\n') continue;
        if (i == size && start == size) break;
        size_t end = i;
        raw->push_back(end - start);
        if (i < size && end > start && data[end - 1] == '\r') --end;
        lines.emplace_back(reinterpret_cast<const char*>(data) + start, end - start);
        start = i + 1;
    }
    return lines;
}

std::string JsonEscaped(const char* text, size_t length) {
    std::string out(length * kMaxEscapedByteSize, '\0');
    out.resize(
        static_cast<size_t>(PutEscaped(text, length, EscapeStyle::kJson, &out[0]) - &out[0]));
    return out;
}

// Reads the stream with a buffer of `capacity` and compares with the lines.
void CheckLineReader(const uint8_t* data, size_t size, size_t capacity, uint8_t chunkSeed) {
    std::vector<size_t> raw;
    const std::vector<std::string> expected = ExpectedLines(data, size, &raw);
    // Exactly capacity + 1 bytes, so that any access beyond them is caught.
    std::unique_ptr<char[]> buffer(new char[capacity + 1]);
    ChunkedStream stream = {data, size, 0, chunkSeed};
    LineReader reader;
    StartLineReader(&reader, ReadChunk, &stream, buffer.get(), capacity);
    size_t line = 0;
    LinePiece piece;
    while (NextLinePiece(&reader, &piece)) {
        Check(line < expected.size());
        std::string text(piece.text, piece.length);
        std::string escaped = JsonEscaped(piece.text, piece.length);
        // A line comes whole when it fits with its LF.
        Check(piece.endsLine == (raw[line] + 1 <= capacity));
        Check(piece.holdsNul == (std::memchr(piece.text, '\0', piece.length) != nullptr));
        while (!piece.endsLine) {
            Check(NextLinePiece(&reader, &piece));
            Check(piece.holdsNul == (std::memchr(piece.text, '\0', piece.length) != nullptr));
            text.append(piece.text, piece.length);
            escaped += JsonEscaped(piece.text, piece.length);
        }
        Check(piece.text[piece.length] == '\0');
        Check(text == expected[line]);
        // No piece cuts a character in two, where a buffer holds the longest.
        if (capacity >= 4) Check(escaped == JsonEscaped(text.data(), text.size()));
        ++line;
    }
    Check(!reader.failed && line == expected.size());
}

bool SameEntries(const Palette& a, const Palette& b) {
    if (PaletteSize(a) != PaletteSize(b)) return false;
    for (size_t i = 0; i < PaletteSize(a); ++i) {
        size_t lengthA, lengthB;
        const char* nameA = PaletteName(a, i, &lengthA);
        const char* nameB = PaletteName(b, i, &lengthB);
        if (!SameChannels(PaletteColour(a, i), PaletteColour(b, i)) || lengthA != lengthB ||
            std::memcmp(nameA, nameB, lengthA) != 0)
            return false;
    }
    return true;
}

std::string GimpBytes(const Palette& palette) {
    ByteBuffer out = {};
    Check(FormatPalette(palette, PaletteFormat::kGimp, "fuzz", &out) == 1);
    std::string bytes(out.data, out.size);
    FreeByteBuffer(&out);
    return bytes;
}

// The bytes as a palette file: a GIMP palette writes back as it was read; an
// added colour removed again leaves the file as it was (a line end aside);
// after an edit, what is written reads back as the palette in memory; every
// format can be written.
void CheckPaletteFile(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    Palette palette = {};
    PaletteError error = {};
    if (!ReadPalette(bytes, size, &palette, &error)) {
        Check(error.reason != nullptr && PaletteSize(palette) == 0 && palette.spans == nullptr);
        Check(error.line <= static_cast<size_t>(std::count(bytes, bytes + size, '\n')) + 1);
        return;
    }
    const std::string original = GimpBytes(palette);
    if (palette.ownHeader) Check(original == std::string(bytes, size));
    const ColorRecord colour = {data[size - 1], data[size / 2], data[0], 0};
    const size_t front[] = {0};
    if (AddPaletteColour(&palette, colour) == PaletteChange::kAdded) {
        RemovePaletteEntries(&palette, front, 1);
        const std::string again = GimpBytes(palette);
        Check(again == original || (again.size() > original.size() &&
                                    again.compare(0, original.size(), original) == 0 &&
                                    (again.size() - original.size() <= 2)));
        AddPaletteColour(&palette, colour);
    }
    const size_t some[] = {size % 7, size % 3, PaletteSize(palette) - 1};
    RemovePaletteEntries(&palette, some, 3);
    AddPaletteColour(&palette, PaletteSize(palette) > 1 ? PaletteColour(palette, 1) : colour);
    const std::string edited = GimpBytes(palette);
    Palette back = {};
    Check(ReadPalette(edited.data(), edited.size(), &back, &error) == 1);
    Check(SameEntries(palette, back));
    for (PaletteFormat format : {PaletteFormat::kCss, PaletteFormat::kJson, PaletteFormat::kText}) {
        ByteBuffer out = {};
        Check(FormatPalette(palette, format, "", &out) == 1);
        FreeByteBuffer(&out);
    }
    FreePalette(&back);
    FreePalette(&palette);
}

}  // namespace

// The forms of a CSS colour's own numbers (palorin-cli --precise) fit their
// room and read back as colours: no NaN or infinity is ever written.
void CheckExactForms(const char* text, size_t size, const ColourReading& resolved) {
    CssReading css;
    if (ReadCssColor(text, size, &css) != CssReadResult::kColour) return;
    for (int form = 0; form < kCssFormCount; ++form) {
        char out[kCssTextCapacity];
        const int length = FormatExactCssColor(static_cast<CssForm>(form), css.color, resolved, out);
        Check(length > 0 && length < kCssTextCapacity);
        ColourReading back;
        Check(ReadAnyColor(out, static_cast<size_t>(length), GamutMode::kMap, &back) == CssReadResult::kColour);
    }
}

// Where a text that is no colour stops: a reason that fits its room, read
// from the text alone (the sanitizer sees that nothing past it is).
void CheckStop(const char* text, size_t size) {
    CssReading css;
    if (ReadCssColor(text, size, &css) != CssReadResult::kNotAColour) return;
    char reason[kCssRefusalCapacity];
    if (DescribeCssStop(text, size, reason, sizeof reason))
        Check(std::strncmp(reason, "expected ", 9) == 0 && std::strlen(reason) < sizeof reason);
}

// Any text through the one reader, both ways of bringing a colour into sRGB,
// and both colour schemes: a colour's CSS forms read back as it; a refusal
// says why.
void CheckAnyColour(const char* text, size_t size) {
    for (GamutMode mode : {GamutMode::kMap, GamutMode::kClip}) {
        ColourReading reading;
        const ColourScheme scheme = mode == GamutMode::kMap ? ColourScheme::kLight : ColourScheme::kDark;
        const CssReadResult result = ReadAnyColor(text, size, mode, &reading, scheme);
        Check((result == CssReadResult::kRefused) == (reading.refusal[0] != '\0'));
        if (result != CssReadResult::kColour) continue;
        if (mode == GamutMode::kMap) CheckExactForms(text, size, reading);
        for (int form = 0; form < kCssFormCount; ++form) {
            char css[kCssTextCapacity];
            const int length = FormatCssColor(static_cast<CssForm>(form), reading.color, reading.alpha, css);
            Check(length > 0 && length < kCssTextCapacity);
            ColourReading back;
            Check(ReadAnyColor(css, static_cast<size_t>(length), GamutMode::kMap, &back) ==
                      CssReadResult::kColour &&
                  SameChannels(back.color, reading.color) && back.alpha == reading.alpha);
        }
    }
}

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
    CheckDecimalChannel(text, 255);
    CheckDecimalChannel(text, kHlsScale - 1);
    CheckHlsTriple(text);
    CheckAnyColour(text, size);
    CheckStop(text, size);
    // The first two bytes choose the buffer's size and the chunks; the rest is the stream.
    if (size >= 2) CheckLineReader(data + 2, size - 2, 2 + data[0] % 40, data[1]);
    if (size >= 1) CheckPaletteFile(data, size);
    return 0;
}

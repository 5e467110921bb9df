// Readers of the typed colour notations. The text is checked in full before the
// record is touched, so a half-typed value never disturbs the current colour.
#include "notation_parse.h"

namespace {

int IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

void StoreChannels(ColorRecord* record, int red, int green, int blue) {
    record->red = static_cast<uint8_t>(red);
    record->green = static_cast<uint8_t>(green);
    record->blue = static_cast<uint8_t>(blue);
}

// Each byte's value as a hex digit, -1 for a byte that is none. A table rather
// than comparisons: the command-line program reads millions of random digits,
// whose comparisons the processor cannot predict.
struct HexDigitTable {
    signed char value[256];
};

constexpr HexDigitTable MakeHexDigitTable() {
    HexDigitTable table = {};
    for (int c = 0; c < 256; ++c) table.value[c] = -1;
    for (int i = 0; i < 10; ++i) table.value['0' + i] = static_cast<signed char>(i);
    for (int i = 0; i < 6; ++i) {
        table.value['A' + i] = static_cast<signed char>(10 + i);
        table.value['a' + i] = static_cast<signed char>(10 + i);
    }
    return table;
}

constexpr HexDigitTable kHexDigitValues = MakeHexDigitTable();

}  // namespace

int IsHexDigit(char c) { return kHexDigitValues.value[static_cast<unsigned char>(c)] >= 0; }

int HexDigitValue(char c) {
    const int value = kHexDigitValues.value[static_cast<unsigned char>(c)];
    return value < 0 ? 0 : value;
}

int ParseHexNotation(const char* text, ColorRecord* record) {
    // Each test stops at the first failing character, so nothing past the NUL is read.
    if (text[0] != '#' || !IsHexDigit(text[1]) || !IsHexDigit(text[2]) || !IsHexDigit(text[3]))
        return 0;
    if (text[4] == '\0') {
        // 17 = 0x11 repeats the digit in both nibbles: f becomes ff.
        StoreChannels(record, HexDigitValue(text[1]) * 17, HexDigitValue(text[2]) * 17,
                      HexDigitValue(text[3]) * 17);
        return 1;
    }
    if (!IsHexDigit(text[4]) || !IsHexDigit(text[5]) || !IsHexDigit(text[6]) || text[7] != '\0')
        return 0;
    StoreChannels(record, HexDigitValue(text[1]) * 16 + HexDigitValue(text[2]),
                  HexDigitValue(text[3]) * 16 + HexDigitValue(text[4]),
                  HexDigitValue(text[5]) * 16 + HexDigitValue(text[6]));
    return 2;
}

int ParseDecimalTriple(const char* text, ColorRecord* record) {
    if (text[0] != '(') return 0;
    // An int cannot overflow: a component is rejected as soon as it passes 255.
    int values[3] = {0, 0, 0};
    int index = 0;
    for (const char* p = text + 1; *p != '\0'; ++p) {
        if (IsDecimalDigit(*p)) {
            values[index] = values[index] * 10 + (*p - '0');
            if (values[index] > 255) return 0;
        } else if (*p == ',') {
            if (index == 2) return 0;
            ++index;
        } else if (*p == ')') {
            // Whatever follows the ')' is ignored, so "(0,255,255)abc" is accepted.
            if (index != 2) return 0;
            StoreChannels(record, values[0], values[1], values[2]);
            return 1;
        } else {
            return 0;
        }
    }
    return 0;
}

int ParsePercentTriple(const char* text, ColorRecord* record) {
    if (text[0] != '(' || text[1] == '\0') return 0;
    // An int cannot overflow: a component is rejected as soon as it passes 100.
    int values[3] = {0, 0, 0};
    int index = 0;
    for (const char* p = text + 1; *p != '\0'; ++p) {
        if (IsDecimalDigit(*p)) {
            values[index] = values[index] * 10 + (*p - '0');
            if (values[index] > 100) return 0;
        } else if (*p == '%' && index < 2) {
            if (p[1] != ',') return 0;
            ++p;  // the ',' belongs to this '%'
            ++index;
        } else if (*p == '%') {
            // Unlike the decimal triple, the ')' must end the text.
            if (p[1] != ')' || p[2] != '\0') return 0;
            // Truncating, so 50% reads as 127 (and shows again as 49%).
            StoreChannels(record, values[0] * 255 / 100, values[1] * 255 / 100,
                          values[2] * 255 / 100);
            return 1;
        } else {
            return 0;
        }
    }
    return 0;
}

int ParseHexChannel(const char* text, uint8_t* value) {
    if (*text == '\0') return 0;
    int accumulated = 0;
    for (const char* p = text; *p; ++p) {
        if (!IsHexDigit(*p)) return 0;
        accumulated = accumulated * 16 + HexDigitValue(*p);
        if (accumulated > 255) return 0;
    }
    *value = static_cast<uint8_t>(accumulated);
    return 1;
}

int ParseDecimalChannel(const char* text, int limit, uint8_t* value) {
    int accumulated = 0, digits = 0;
    for (const char* p = text; *p; ++p) {
        if (!IsDecimalDigit(*p) || ++digits > 3) return 0;
        accumulated = accumulated * 10 + (*p - '0');
    }
    if (digits == 0 || accumulated > limit) return 0;
    *value = static_cast<uint8_t>(accumulated);
    return 1;
}

int ParseHlsTriple(const char* text, HlsTriple* hls) {
    // Each field as ParseDecimalChannel reads one: one to three digits, at most
    // its limit. Scanned in place, since every line of a pipe may be one.
    const int limits[3] = {kHlsScale - 1, kHlsScale, kHlsScale};
    int values[3];
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        int value = 0, digits = 0;
        for (; IsDecimalDigit(*p); ++p) {
            if (++digits > 3) return 0;
            value = value * 10 + (*p - '0');
        }
        if (digits == 0 || value > limits[i]) return 0;
        values[i] = value;
        if (*p++ != (i < 2 ? ',' : '\0')) return 0;
    }
    hls->hue = static_cast<uint8_t>(values[0]);
    hls->lightness = static_cast<uint8_t>(values[1]);
    hls->saturation = static_cast<uint8_t>(values[2]);
    return 1;
}

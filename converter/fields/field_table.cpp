// The converter's text fields (see field_table.h), and how each group reads.
#include "field_table.h"

#include <cstring>

#include "css_field.h"
#include "named_colors.h"
#include "notation_format.h"
#include "notation_parse.h"
#include "resource.h"

namespace {

int FormatName(const ColorRecord& color, char* out) {
    const char* name = FindColorName(color);
    std::strcpy(out, name);
    return static_cast<int>(std::strlen(name));
}

// Each # field takes only its own form: '#00f' in the #RRGGBB field is not yet a colour.
int ReadHex6(const FieldTexts& texts, ColorRecord* color) {
    return ParseHexNotation(texts[0], color) == 2;
}
int ReadHex3(const FieldTexts& texts, ColorRecord* color) {
    return ParseHexNotation(texts[0], color) == 1;
}
int ReadPercent(const FieldTexts& texts, ColorRecord* color) {
    return ParsePercentTriple(texts[0], color);
}
int ReadTriple(const FieldTexts& texts, ColorRecord* color) {
    return ParseDecimalTriple(texts[0], color);
}
int ReadName(const FieldTexts& texts, ColorRecord* color) {
    return LookupColorName(texts[0], color);
}

// The CSS field shows the form chosen, opaque, and reads every colour text the
// program knows; a colour outside sRGB is mapped in.
int FormatCss(const ColorRecord& color, char* out) {
    return FormatCssColor(g_cssForm, color, 255, out);
}

int ReadCss(const FieldTexts& texts, ColorRecord* color) { return ReadCssField(texts[0], color); }

// The three fields of a group are read in order and the first that fails
// rejects the group.
int ReadDecimalChannels(const FieldTexts& texts, ColorRecord* color) {
    return ParseDecimalChannel(texts[0], kRgbScale, &color->red) &&
           ParseDecimalChannel(texts[1], kRgbScale, &color->green) &&
           ParseDecimalChannel(texts[2], kRgbScale, &color->blue);
}

int ReadHexChannels(const FieldTexts& texts, ColorRecord* color) {
    return ParseHexChannel(texts[0], &color->red) && ParseHexChannel(texts[1], &color->green) &&
           ParseHexChannel(texts[2], &color->blue);
}

int ReadHls(const FieldTexts& texts, ColorRecord* color) {
    HlsTriple typed;
    if (!ParseDecimalChannel(texts[0], kHlsScale - 1, &typed.hue) ||
        !ParseDecimalChannel(texts[1], kHlsScale, &typed.lightness) ||
        !ParseDecimalChannel(texts[2], kHlsScale, &typed.saturation))
        return 0;
    HlsToRgb(typed.hue, typed.lightness, typed.saturation, &color->red, &color->green,
             &color->blue);
    return 1;
}

}  // namespace

// clang-format off
const ConverterField kConverterFields[kConverterFieldCount] = {
  // id           bit          limit shows           as colour            as channel            read by
    {IDC_HEX6,    UPD_HEX6,    7,  VALUE_COLOR,      FormatHex6,          nullptr,              ReadHex6},
    {IDC_HEX3,    UPD_HEX3,    4,  VALUE_COLOR,      FormatHex3,          nullptr,              ReadHex3},
    {IDC_PERCENT, UPD_PERCENT, 16, VALUE_COLOR,      FormatPercentTriple, nullptr,              ReadPercent},
    {IDC_DEC_R,   UPD_DEC,     3,  VALUE_RED,        nullptr,             FormatDecimalChannel, ReadDecimalChannels},
    {IDC_DEC_G,   UPD_DEC,     3,  VALUE_GREEN,      nullptr,             FormatDecimalChannel, ReadDecimalChannels},
    {IDC_DEC_B,   UPD_DEC,     3,  VALUE_BLUE,       nullptr,             FormatDecimalChannel, ReadDecimalChannels},
    {IDC_HEX_R,   UPD_HEXCH,   2,  VALUE_RED,        nullptr,             FormatHexChannel,     ReadHexChannels},
    {IDC_HEX_G,   UPD_HEXCH,   2,  VALUE_GREEN,      nullptr,             FormatHexChannel,     ReadHexChannels},
    {IDC_HEX_B,   UPD_HEXCH,   2,  VALUE_BLUE,       nullptr,             FormatHexChannel,     ReadHexChannels},
    {IDC_TRIPLE,  UPD_TRIPLE,  13, VALUE_COLOR,      FormatDecimalTriple, nullptr,              ReadTriple},
    {IDC_NAME,    UPD_NAME,    21, VALUE_COLOR,      FormatName,          nullptr,              ReadName},
    {IDC_HLS_H,   UPD_HLS,     3,  VALUE_HUE,        nullptr,             FormatDecimalChannel, ReadHls},
    {IDC_HLS_L,   UPD_HLS,     3,  VALUE_LIGHTNESS,  nullptr,             FormatDecimalChannel, ReadHls},
    {IDC_HLS_S,   UPD_HLS,     3,  VALUE_SATURATION, nullptr,             FormatDecimalChannel, ReadHls},
    {IDC_CSS,     UPD_CSS,     255, VALUE_COLOR,     FormatCss,           nullptr,              ReadCss},
};
// clang-format on

const ConverterField* FindConverterField(int id) {
    for (const ConverterField& field : kConverterFields)
        if (field.id == id) return &field;
    return nullptr;
}

void FormatField(const ConverterField& field, const ColorRecord& color, const HlsTriple& hls,
                 char* text) {
    if (field.value == VALUE_COLOR) {
        field.formatColor(color, text);
        return;
    }
    // In the order of FieldValue, after VALUE_COLOR.
    const uint8_t channels[] = {color.red, color.green,   color.blue,
                                hls.hue,   hls.lightness, hls.saturation};
    field.formatChannel(channels[field.value - VALUE_RED], text);
}

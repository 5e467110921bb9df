// The converter's fifteen text fields in one table: each field's control, its
// update-mask bit (fields that share a bit are a group, written, cleared and read
// together), the longest text a user may type into it, how it shows the colour,
// and how its group reads what was typed. Everything that walks the fields walks
// this table, in its order, which is the order of the mask bits.
#pragma once

#include "color_record.h"
#include "field_write.h"
#include "hls.h"
#include "update_mask.h"

// The most fields a group has, and room for each one's text as it is read:
// the CSS field's is the longest.
constexpr int kFieldGroupSize = 3;
constexpr int kFieldTextSize = 256;
typedef char FieldTexts[kFieldGroupSize][kFieldTextSize];

// What a field shows: the whole colour, or one channel of the colour or of HLS.
enum FieldValue {
    VALUE_COLOR,
    VALUE_RED,
    VALUE_GREEN,
    VALUE_BLUE,
    VALUE_HUE,
    VALUE_LIGHTNESS,
    VALUE_SATURATION
};

typedef int (*ColorFormatter)(const ColorRecord& color, char* out);
typedef int (*ChannelFormatter)(unsigned value, char* out);

// Reads the texts of a group's fields, in table order, into `color`: 1 when they
// are a colour. On 0 the colour may be half written, so callers pass a copy.
typedef int (*GroupReader)(const FieldTexts& texts, ColorRecord* color);

struct ConverterField {
    int id;
    UpdateMask bit;
    int textLimit;
    FieldValue value;
    ColorFormatter formatColor;      // for VALUE_COLOR
    ChannelFormatter formatChannel;  // for the channels
    GroupReader readGroup;
};

constexpr int kConverterFieldCount = 15;
extern const ConverterField kConverterFields[kConverterFieldCount];

// The row of control `id`, or null when it is not one of the text fields.
const ConverterField* FindConverterField(int id);

// Writes what `field` shows for the colour and its HLS into `text`, which holds
// kFieldShownSize bytes.
void FormatField(const ConverterField& field, const ColorRecord& color, const HlsTriple& hls,
                 char* text);

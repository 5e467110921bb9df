// The output line of one input: every form, one form alone (--to), or a JSON
// object (--json). The texts are the converter's display forms and the
// modern CSS forms.
#pragma once

#include <cstddef>

#include "output_buffer.h"
#include "read_color.h"
#include "vision.h"

enum class OutputForm {
    kAll,  // the default line: the converter's forms
    kHex6,
    kHex3,
    kTriple,
    kPercent,
    kHls,
    kName,
    kRgb,  // the CSS forms, in CssForm's order
    kHsl,
    kHwb,
    kLab,
    kLch,
    kOklab,
    kOklch,
    kHex8,
    kHsv,      // hsv(210, 79%, 34%)
    kNearest,  // the nearest CSS name
};

struct OutputOptions {
    OutputForm form;  // kAll unless --to chose one
    bool json;
    GamutMode gamut;  // how a CSS colour outside sRGB is read
    bool simulate;    // --simulate: each colour is written as seen with `vision`
    Vision vision;
    ColourScheme scheme;  // which colour light-dark() gives
    bool precise;  // the CSS forms of a CSS colour's own numbers (--precise)
};

// 1 with *form set for a form's name as --to takes it ("hex6", "hex3",
// "triple", "percent", "hls", "name", "rgb", "hsl", "hwb", "lab", "lch",
// "oklab", "oklch", "hex8", "hsv", "nearest"), 0 for anything else.
int LookupOutputForm(const char* name, OutputForm* form);

// Writes the colour's line for the options, line end included. `input` is the
// text it was read from, shown only in JSON; null for a colour that came from
// no text (a pick from the screen), whose object then has no "input". The
// alpha shows in the CSS forms and hex8, and in JSON. With --simulate the
// colour written is the simulated one (alpha and all else kept).
// `exact`, when given, is the CSS colour as read: its CSS forms are written
// from it (FormatExactCssColor), the others from its 8-bit colour.
void WriteColourLine(OutputBuffer* out, const OutputOptions& options,
                     const ColourReading& colour, const char* input, size_t inputLength,
                     const CssColor* exact = nullptr);

// The line of a palette's colour: as WriteColourLine's without an input, but
// in JSON "name" is the palette's name for it (`nameLength` bytes, null when
// there are none), first in the object, in place of the converter's.
void WritePaletteColourLine(OutputBuffer* out, const OutputOptions& options,
                            const ColourReading& colour, const char* name, size_t nameLength);

// The line of an input that is not a colour: empty, so that output lines stay
// in step with the inputs, or in JSON {"input":"...","error":"not a colour"}
// (or the refusal's words).
void WriteNotAColourLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                         size_t inputLength, const char* error);

// The line of an input too long to hold at once, given in parts: Start with the
// first, Continue with each further one, then End with the colour it turned out
// to be, or with null for none.
void StartLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                        size_t inputLength);
void ContinueLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                           size_t inputLength);
void EndLongInputLine(OutputBuffer* out, const OutputOptions& options, const ColourReading* colour);

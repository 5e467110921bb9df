// Writing a colour's output line straight into the output block: no allocation
// and no printf, since a run may write millions of lines.
#include "colour_output.h"

#include <cstring>

#include "css_format.h"
#include "escape.h"
#include "hls.h"
#include "hsv.h"
#include "named_colors.h"
#include "nearest_name.h"
#include "notation_format.h"
#include "standard_io.h"

namespace {

struct FormName {
    const char* name;  // as --to and the JSON keys spell it
    OutputForm form;
};

// The converter's forms, in the order of the default line and of the JSON
// object; then the forms only --to writes alone. The CSS forms, which follow
// the converter's in JSON, take their names from the table of CSS functions.
const FormName kForms[] = {
    {"hex6", OutputForm::kHex6},   {"hex3", OutputForm::kHex3},   {"triple", OutputForm::kTriple},
    {"percent", OutputForm::kPercent}, {"hls", OutputForm::kHls}, {"name", OutputForm::kName},
    {"hex8", OutputForm::kHex8},   {"hsv", OutputForm::kHsv},     {"nearest", OutputForm::kNearest},
};

constexpr int kConverterFormCount =
    static_cast<int>(OutputForm::kRgb) - static_cast<int>(OutputForm::kHex6);
static_assert(static_cast<int>(OutputForm::kOklch) - static_cast<int>(OutputForm::kRgb) + 1 ==
                  kCssFormCount,
              "OutputForm holds the CSS forms in CssForm's order");

// The longest line without its input: the JSON object of a colour with the
// longest forms and name is about 450 bytes.
constexpr size_t kColourLineCapacity = 1024;

// Input escaped in slices, each of which fits in a block at once.
constexpr size_t kEscapeSlice = 1024;

char* PutText(const char* text, char* out) {
    while (*text) *out++ = *text++;
    return out;
}

bool IsCssForm(OutputForm form) { return form >= OutputForm::kRgb && form <= OutputForm::kOklch; }

CssForm CssFormOf(OutputForm form) {
    return static_cast<CssForm>(static_cast<int>(form) - static_cast<int>(OutputForm::kRgb));
}

OutputForm OutputFormOf(CssForm form) {
    return static_cast<OutputForm>(static_cast<int>(OutputForm::kRgb) + static_cast<int>(form));
}

HlsTriple HlsOf(const ColorRecord& color) {
    HlsTriple hls;
    RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    return hls;
}

// One form's text. (The formatters' NULs are overwritten by what follows.)
char* PutForm(OutputForm form, const ColourReading& colour, const CssColor* exact, char* out) {
    const ColorRecord& color = colour.color;
    if (IsCssForm(form) && exact) return out + FormatExactCssColor(CssFormOf(form), *exact, colour, out);
    if (IsCssForm(form)) return out + FormatCssColor(CssFormOf(form), color, colour.alpha, out);
    switch (form) {
    case OutputForm::kHex6:
        return out + FormatHex6(color, out);
    case OutputForm::kHex3:
        return out + FormatHex3(color, out);
    case OutputForm::kTriple:
        return out + FormatDecimalTriple(color, out);
    case OutputForm::kPercent:
        return out + FormatPercentTriple(color, out);
    case OutputForm::kHls:
        return out + FormatHlsTriple(HlsOf(color), out);
    case OutputForm::kHex8:
        return out + FormatHex8(color, colour.alpha, out);
    case OutputForm::kHsv:
        return out + FormatHsv(RgbToHsv(color), out);
    case OutputForm::kNearest: {
        NearestName nearest;
        FindNearestName(color, &nearest);
        return PutText(nearest.name, out);
    }
    default:  // kName; kAll is not one form and never asked for here
        return PutText(FindColorName(color), out);
    }
}

char* PutLineEnd(char* out) {
    std::memcpy(out, kLineEnd, kLineEndLength);
    return out + kLineEndLength;
}

void AppendJsonEscaped(OutputBuffer* out, const char* text, size_t length) {
    while (length > 0) {
        // A slice never ends inside a UTF-8 character, which would come out as two U+FFFD.
        const size_t slice =
            length < kEscapeSlice ? length : WithoutCutCharacter(text, kEscapeSlice);
        char* p = Reserve(out, slice * kMaxEscapedByteSize);
        Commit(out, PutEscaped(text, slice, EscapeStyle::kJson, p));
        text += slice;
        length -= slice;
    }
}

// {"input":"TEXT, with the string still open: more of a long input may follow.
void OpenJsonInput(OutputBuffer* out, const char* input, size_t inputLength) {
    AppendText(out, "{\"input\":\"");
    AppendJsonEscaped(out, input, inputLength);
}

// "key":
char* PutKey(const char* key, char* out) {
    *out++ = '"';
    out = PutText(key, out);
    *out++ = '"';
    *out++ = ':';
    return out;
}

// "hsv":[210,79,34]
char* PutJsonHsv(const ColorRecord& color, char* out) {
    out = PutText(",\"hsv\":[", out);
    out += FormatHsvNumbers(RgbToHsv(color), out);
    *out++ = ']';
    return out;
}

// "nearest":{"name":"steelblue","deltaE2000":0.21}, the distance rounded to
// two decimals, halves up.
char* PutJsonNearest(const ColorRecord& color, char* out) {
    NearestName nearest;
    FindNearestName(color, &nearest);
    out = PutText(",\"nearest\":{\"name\":\"", out);
    out = PutText(nearest.name, out);
    out = PutText("\",\"deltaE2000\":", out);
    const unsigned hundredths = static_cast<unsigned>(nearest.deltaE2000 * 100 + 0.5);
    out += FormatDecimalChannel(hundredths / 100, out);
    *out++ = '.';
    *out++ = static_cast<char>('0' + hundredths / 10 % 10);
    *out++ = static_cast<char>('0' + hundredths % 10);
    *out++ = '}';
    return out;
}

// "hex6":"#00ffff",...,"hls":[...],"hsv":[...],"name":"aqua","nearest":{...},
// ...,"oklch":"...","alpha":1,"mapped":false} after the object's opening or
// its input; without "name" when a palette gave one.
char* PutJsonMembers(const ColourReading& colour, const CssColor* exact, bool withName, char* out) {
    for (int i = 0; i < kConverterFormCount; ++i) {
        const FormName& form = kForms[i];
        if (form.form == OutputForm::kName && !withName) {
            out = PutJsonNearest(colour.color, out);
            continue;
        }
        if (i > 0) *out++ = ',';
        out = PutKey(form.name, out);
        if (form.form == OutputForm::kHls) {
            *out++ = '[';
            out = out + FormatHlsTriple(HlsOf(colour.color), out);
            *out++ = ']';
            out = PutJsonHsv(colour.color, out);
        } else if (form.form == OutputForm::kName) {
            const char* name = FindColorName(colour.color);
            out = *name ? PutText("\"", PutText(name, PutText("\"", out))) : PutText("null", out);
            out = PutJsonNearest(colour.color, out);
        } else {
            *out++ = '"';
            out = PutForm(form.form, colour, exact, out);
            *out++ = '"';
        }
    }
    for (int i = 0; i < kCssFormCount; ++i) {
        const CssForm form = static_cast<CssForm>(i);
        *out++ = ',';
        out = PutKey(CssFormName(form), out);
        *out++ = '"';
        out = PutForm(OutputFormOf(form), colour, exact, out);
        *out++ = '"';
    }
    out = PutText(",\"alpha\":", out);
    out += FormatCssAlpha(colour.alpha, out);
    return PutText(colour.mapped ? ",\"mapped\":true}" : ",\"mapped\":false}", out);
}

// The colour as written: as seen with --simulate's vision, put in `simulated`,
// or the colour itself.
const ColourReading& Shown(const OutputOptions& options, const ColourReading& colour,
                           ColourReading* simulated) {
    if (!options.simulate) return colour;
    simulated->color = SimulateVision(options.vision, colour.color);
    simulated->alpha = colour.alpha;
    simulated->mapped = colour.mapped;
    return *simulated;
}

// The line from the colour on: the end of a JSON object whose input was written
// already (or the whole object, without an input), or the forms asked for.
void FinishColourLine(OutputBuffer* out, const OutputOptions& options, const ColourReading& given,
                      bool afterInput, bool withName = true, const CssColor* exact = nullptr) {
    ColourReading simulated;
    const ColourReading& colour = Shown(options, given, &simulated);
    // A colour as seen with a deficiency is no longer the one read.
    if (options.simulate) exact = nullptr;
    char* p = Reserve(out, kColourLineCapacity);
    if (options.json) {
        p = PutText(afterInput ? "\"," : "{", p);
        p = PutJsonMembers(colour, exact, withName, p);
    } else if (options.form != OutputForm::kAll) {
        p = PutForm(options.form, colour, exact, p);
    } else {
        for (int i = 0; i < kConverterFormCount; ++i) {
            if (i > 0) *p++ = '\t';
            p = PutForm(kForms[i].form, colour, exact, p);
        }
    }
    Commit(out, PutLineEnd(p));
}

void FinishNotAColourLine(OutputBuffer* out, const OutputOptions& options, const char* error) {
    if (options.json) {
        AppendText(out, "\",\"error\":\"");
        AppendText(out, error);
        AppendText(out, "\"}");
    }
    AppendLineEnd(out);
}

}  // namespace

int LookupOutputForm(const char* name, OutputForm* form) {
    for (const FormName& entry : kForms) {
        if (std::strcmp(name, entry.name) == 0) {
            *form = entry.form;
            return 1;
        }
    }
    for (int i = 0; i < kCssFormCount; ++i) {
        if (std::strcmp(name, CssFormName(static_cast<CssForm>(i))) == 0) {
            *form = OutputFormOf(static_cast<CssForm>(i));
            return 1;
        }
    }
    return 0;
}

void WriteColourLine(OutputBuffer* out, const OutputOptions& options, const ColourReading& colour,
                     const char* input, size_t inputLength, const CssColor* exact) {
    if (options.json && input) OpenJsonInput(out, input, inputLength);
    FinishColourLine(out, options, colour, input != nullptr, true, exact);
}

void WritePaletteColourLine(OutputBuffer* out, const OutputOptions& options,
                            const ColourReading& colour, const char* name, size_t nameLength) {
    if (!options.json) {
        FinishColourLine(out, options, colour, false);
        return;
    }
    if (nameLength == 0) {
        AppendText(out, "{\"name\":null,");
    } else {
        AppendText(out, "{\"name\":\"");
        AppendJsonEscaped(out, name, nameLength);
        AppendText(out, "\",");
    }
    // The object is open: its members follow as they would after an input's.
    ColourReading simulated;
    Commit(out, PutJsonMembers(Shown(options, colour, &simulated), nullptr, false,
                               Reserve(out, kColourLineCapacity)));
    AppendLineEnd(out);
}

void WriteNotAColourLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                         size_t inputLength, const char* error) {
    if (options.json) OpenJsonInput(out, input, inputLength);
    FinishNotAColourLine(out, options, error);
}

void StartLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                        size_t inputLength) {
    if (options.json) OpenJsonInput(out, input, inputLength);
}

void ContinueLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                           size_t inputLength) {
    if (options.json) AppendJsonEscaped(out, input, inputLength);
}

void EndLongInputLine(OutputBuffer* out, const OutputOptions& options, const ColourReading* colour) {
    if (colour)
        FinishColourLine(out, options, *colour, true);
    else
        FinishNotAColourLine(out, options, "not a colour");
}

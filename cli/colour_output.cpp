// Writing a colour's output line straight into the output block: no allocation
// and no printf, since a run may write millions of lines.
#include "colour_output.h"

#include <cstring>

#include "escape.h"
#include "hls.h"
#include "named_colors.h"
#include "notation_format.h"
#include "standard_io.h"

namespace {

struct FormName {
    const char* name;  // as --to and the JSON keys spell it
    OutputForm form;
};

// In the order of the default line and of the JSON object.
const FormName kForms[] = {
    {"hex6", OutputForm::kHex6},       {"hex3", OutputForm::kHex3}, {"triple", OutputForm::kTriple},
    {"percent", OutputForm::kPercent}, {"hls", OutputForm::kHls},   {"name", OutputForm::kName},
};

// The longest line without its input: the JSON object of a colour with the
// longest forms and name is about 150 bytes.
constexpr size_t kColourLineCapacity = 256;

// Input escaped in slices, each of which fits in a block at once.
constexpr size_t kEscapeSlice = 1024;

char* PutText(const char* text, char* out) {
    while (*text) *out++ = *text++;
    return out;
}

// The decimal texts of 0-255, looked up rather than divided out: HLS is the
// form a script asks for most, three numbers on every line.
struct SmallNumberTexts {
    char digits[256][3];
    uint8_t length[256];
};

constexpr SmallNumberTexts MakeSmallNumberTexts() {
    SmallNumberTexts texts = {};
    for (int value = 0; value < 256; ++value) {
        char* d = texts.digits[value];
        int n = 0;
        if (value >= 100) d[n++] = static_cast<char>('0' + value / 100);
        if (value >= 10) d[n++] = static_cast<char>('0' + value / 10 % 10);
        d[n++] = static_cast<char>('0' + value % 10);
        texts.length[value] = static_cast<uint8_t>(n);
    }
    return texts;
}

constexpr SmallNumberTexts kSmallNumbers = MakeSmallNumberTexts();

// Writes all three bytes and keeps the length's worth: no branch on the length.
char* PutSmallNumber(uint8_t value, char* out) {
    out[0] = kSmallNumbers.digits[value][0];
    out[1] = kSmallNumbers.digits[value][1];
    out[2] = kSmallNumbers.digits[value][2];
    return out + kSmallNumbers.length[value];
}

// "H,L,S" as the converter computes it from the channels.
char* PutHls(const ColorRecord& color, char* out) {
    HlsTriple hls;
    RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    out = PutSmallNumber(hls.hue, out);
    *out++ = ',';
    out = PutSmallNumber(hls.lightness, out);
    *out++ = ',';
    return PutSmallNumber(hls.saturation, out);
}

// One form's text as the converter shows it. (The formatters' NULs are
// overwritten by what follows.)
char* PutForm(OutputForm form, const ColorRecord& color, char* out) {
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
        return PutHls(color, out);
    case OutputForm::kName:
    case OutputForm::kAll:  // not one form: never asked for here
        break;
    }
    return PutText(FindColorName(color), out);
}

char* PutLineEnd(char* out) {
    std::memcpy(out, kLineEnd, kLineEndLength);
    return out + kLineEndLength;
}

void AppendJsonEscaped(OutputBuffer* out, const char* text, size_t length) {
    while (length > 0) {
        const size_t slice = length < kEscapeSlice ? length : kEscapeSlice;
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

// "hex6":"#00ffff",...,"name":"aqua"} after the object's opening or its input.
char* PutJsonMembers(const ColorRecord& color, char* out) {
    for (const FormName& form : kForms) {
        if (form.form != OutputForm::kHex6) *out++ = ',';
        *out++ = '"';
        out = PutText(form.name, out);
        *out++ = '"';
        *out++ = ':';
        if (form.form == OutputForm::kHls) {
            *out++ = '[';
            out = PutHls(color, out);
            *out++ = ']';
        } else if (form.form == OutputForm::kName) {
            const char* name = FindColorName(color);
            out = *name ? PutText("\"", PutText(name, PutText("\"", out))) : PutText("null", out);
        } else {
            *out++ = '"';
            out = PutForm(form.form, color, out);
            *out++ = '"';
        }
    }
    *out++ = '}';
    return out;
}

// The line from the colour on: the end of a JSON object whose input was written
// already (or the whole object, without an input), or the forms asked for.
void FinishColourLine(OutputBuffer* out, const OutputOptions& options, const ColorRecord& color,
                      bool afterInput) {
    char* p = Reserve(out, kColourLineCapacity);
    if (options.json) {
        p = PutText(afterInput ? "\"," : "{", p);
        p = PutJsonMembers(color, p);
    } else if (options.form != OutputForm::kAll) {
        p = PutForm(options.form, color, p);
    } else {
        for (const FormName& form : kForms) {
            if (form.form != OutputForm::kHex6) *p++ = '\t';
            p = PutForm(form.form, color, p);
        }
    }
    Commit(out, PutLineEnd(p));
}

void FinishNotAColourLine(OutputBuffer* out, const OutputOptions& options) {
    if (options.json) AppendText(out, "\",\"error\":\"not a colour\"}");
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
    return 0;
}

void WriteColourLine(OutputBuffer* out, const OutputOptions& options, const ColorRecord& color,
                     const char* input, size_t inputLength) {
    if (options.json && input) OpenJsonInput(out, input, inputLength);
    FinishColourLine(out, options, color, input != nullptr);
}

void WriteNotAColourLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                         size_t inputLength) {
    if (options.json) OpenJsonInput(out, input, inputLength);
    FinishNotAColourLine(out, options);
}

void StartLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                        size_t inputLength) {
    if (options.json) OpenJsonInput(out, input, inputLength);
}

void ContinueLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                           size_t inputLength) {
    if (options.json) AppendJsonEscaped(out, input, inputLength);
}

void EndLongInputLine(OutputBuffer* out, const OutputOptions& options, const ColorRecord* color) {
    if (color)
        FinishColourLine(out, options, *color, true);
    else
        FinishNotAColourLine(out, options);
}

// The output line of one input: every form, one form alone (--to), or a JSON
// object (--json). The texts are the converter's display forms.
#pragma once

#include <cstddef>

#include "color_record.h"
#include "output_buffer.h"

enum class OutputForm { kAll, kHex6, kHex3, kTriple, kPercent, kHls, kName };

struct OutputOptions {
    OutputForm form;  // kAll unless --to chose one
    bool json;
};

// 1 with *form set for a form's name as --to takes it ("hex6", "hex3", "triple",
// "percent", "hls", "name"), 0 for anything else.
int LookupOutputForm(const char* name, OutputForm* form);

// Writes the colour's line for the options, line end included. `input` is the
// text it was read from, shown only in JSON; null for a colour that came from
// no text (a pick from the screen), whose object then has no "input".
void WriteColourLine(OutputBuffer* out, const OutputOptions& options, const ColorRecord& color,
                     const char* input, size_t inputLength);

// The line of an input that is not a colour: empty, so that output lines stay
// in step with the inputs, or in JSON {"input":"...","error":"not a colour"}.
void WriteNotAColourLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                         size_t inputLength);

// The line of an input too long to hold at once, given in parts: Start with the
// first, Continue with each further one, then End with the colour it turned out
// to be, or with null for none.
void StartLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                        size_t inputLength);
void ContinueLongInputLine(OutputBuffer* out, const OutputOptions& options, const char* input,
                           size_t inputLength);
void EndLongInputLine(OutputBuffer* out, const OutputOptions& options, const ColorRecord* color);

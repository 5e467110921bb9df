// The conversion loop: no state between inputs beyond the options, and nothing
// allocated per input.
#include "convert_command.h"

#include <cstring>

#include "notation_parse.h"
#include "line_reader.h"
#include "messages.h"
#include "standard_io.h"

namespace {

// The longest line held at once; a longer one is read in pieces.
constexpr size_t kLineCapacity = 64 * 1024;

struct Streams {
    OutputBuffer* out;
    OutputBuffer* err;
};

// Everything written so far goes out before the program waits for more input,
// so that a typed line is answered at once and a pipe's reader keeps up.
long ReadAfterFlushing(void* context, char* into, size_t size) {
    Streams* streams = static_cast<Streams*>(context);
    Flush(streams->out);
    Flush(streams->err);
    return ReadStandardInput(into, size);
}

// One whole input, NUL-terminated at `length`. 1 when it is not a colour. A
// NUL inside would end the text early for the readers: such a text is none.
int ConvertInput(const char* text, size_t length, bool holdsNul, const char* source,
                 unsigned long long number, const OutputOptions& options, OutputBuffer* out,
                 OutputBuffer* err) {
    ColourReading colour;
    const CssReadResult result = holdsNul ? CssReadResult::kNotAColour
                                          : ReadAnyColorWithoutNul(text, length, options.gamut, &colour,
                                                                           options.scheme);
    if (result == CssReadResult::kColour) {
        // --precise: a CSS colour read again for its own numbers.
        CssReading css;
        const bool exact = options.precise && ReadCssColor(text, length, &css, options.scheme) == CssReadResult::kColour;
        WriteColourLine(out, options, colour, text, length, exact ? &css.color : nullptr);
        return 0;
    }
    const char* reason = result == CssReadResult::kRefused ? colour.refusal : "not a colour";
    ReportBadInput(err, source, number, reason, text, length);
    WriteNotAColourLine(out, options, text, length, reason);
    return 1;
}

// A line longer than the buffer, whose first piece is `first`. Of the
// converter's notations the only text that long is a decimal triple followed
// by more text, and its ')' comes within the first piece (unless its numbers
// carry more than 64 KB of leading zeros). A CSS colour padded past 64 KB with
// blanks or comments is not read: such a line is no colour here, though it
// would be as an argument. A NUL anywhere makes it none. In JSON the whole
// input is written out, piece by piece. 1 when it is not a colour.
int ConvertLongLine(LineReader* reader, LinePiece first, unsigned long long number,
                    const OutputOptions& options, OutputBuffer* out, OutputBuffer* err) {
    // The byte after the piece may be the CR of the next one: it is put back.
    const char after = first.text[first.length];
    first.text[first.length] = '\0';
    ColourReading colour = OpaqueReading({0, 0, 0, kNotationTripleOrName});
    bool isColour = !first.holdsNul && ParseDecimalTriple(first.text, &colour.color);
    first.text[first.length] = after;
    // The buffer is read over: the message keeps what it shows of the line.
    char shown[kShownInputBytes];
    const size_t shownLength = first.length < kShownInputBytes ? first.length : kShownInputBytes;
    std::memcpy(shown, first.text, shownLength);

    StartLongInputLine(out, options, first.text, first.length);
    LinePiece piece;
    while (NextLinePiece(reader, &piece)) {
        isColour = isColour && !piece.holdsNul;
        ContinueLongInputLine(out, options, piece.text, piece.length);
        if (piece.endsLine) break;
    }
    EndLongInputLine(out, options, isColour ? &colour : nullptr);
    if (!isColour) ReportBadInput(err, "line", number, "not a colour", shown, shownLength);
    return isColour ? 0 : 1;
}

}  // namespace

int ConvertArguments(char* const* arguments, int count, const OutputOptions& options,
                     OutputBuffer* out, OutputBuffer* err) {
    int status = 0;
    for (int i = 0; i < count; ++i) {
        // An argument ends at its NUL.
        status |= ConvertInput(arguments[i], std::strlen(arguments[i]), false, "argument",
                               static_cast<unsigned long long>(i) + 1, options, out, err);
    }
    return status;
}

int ConvertStandardInput(const OutputOptions& options, OutputBuffer* out, OutputBuffer* err) {
    char buffer[kLineCapacity + 1];  // on the stack, like the output blocks
    Streams streams = {out, err};
    LineReader reader;
    StartLineReader(&reader, ReadAfterFlushing, &streams, buffer, kLineCapacity);
    int status = 0;
    unsigned long long number = 0;
    LinePiece piece;
    // A failed write ends the run: nobody reads the rest.
    while (!out->failed && NextLinePiece(&reader, &piece)) {
        ++number;
        if (piece.endsLine) {
            status |= ConvertInput(piece.text, piece.length, piece.holdsNul, "line", number,
                                   options, out, err);
        } else {
            status |= ConvertLongLine(&reader, piece, number, options, out, err);
        }
    }
    if (reader.failed) {
        ReportError(err, "cannot read standard input");
        return 2;
    }
    return status;
}

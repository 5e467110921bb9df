// Messages on standard error.
#include "messages.h"

#include "escape.h"

namespace {

constexpr char kProgramPrefix[] = "palorin-cli: ";

// Enough of a bad input to recognise it, on one terminal line.
constexpr size_t kShownInputBytes = 80;

// The decimal digits of a line number, which may pass 32 bits in a long pipe.
char* PutCount(unsigned long long value, char* out) {
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) *out++ = reversed[--count];
    return out;
}

}  // namespace

void ReportError(OutputBuffer* err, const char* text) {
    AppendText(err, kProgramPrefix);
    AppendText(err, text);
    AppendLineEnd(err);
}

void ReportNotAColour(OutputBuffer* err, const char* source, unsigned long long number,
                      const char* text, size_t length) {
    AppendText(err, kProgramPrefix);
    AppendText(err, source);
    char digits[21] = {' '};
    Append(err, digits, static_cast<size_t>(PutCount(number, digits + 1) - digits));
    AppendText(err, ": not a colour: ");
    const size_t shown = length < kShownInputBytes ? length : kShownInputBytes;
    char* p = Reserve(err, shown * kMaxEscapedByteSize);
    Commit(err, PutEscaped(text, shown, EscapeStyle::kMessage, p));
    AppendLineEnd(err);
}

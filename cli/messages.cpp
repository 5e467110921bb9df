// Messages on standard error.
#include "messages.h"

#include "escape.h"
#include "notation_format.h"

namespace {

constexpr char kProgramPrefix[] = "palorin-cli: ";

}  // namespace

void ReportError(OutputBuffer* err, const char* text, const char* what) {
    AppendText(err, kProgramPrefix);
    AppendText(err, text);
    if (what) {
        AppendText(err, ": ");
        AppendText(err, what);
    }
    AppendLineEnd(err);
}

void ReportBadInput(OutputBuffer* err, const char* source, unsigned long long number,
                    const char* reason, const char* text, size_t length) {
    AppendText(err, kProgramPrefix);
    AppendText(err, source);
    char digits[kColorTextCapacity + 1] = {' '};
    Append(err, digits, 1 + static_cast<size_t>(FormatDecimal(number, digits + 1)));
    AppendText(err, ": ");
    AppendText(err, reason);
    AppendText(err, ": ");
    const size_t shown = length < kShownInputBytes ? length : kShownInputBytes;
    char* p = Reserve(err, shown * kMaxEscapedByteSize);
    Commit(err, PutEscaped(text, shown, EscapeStyle::kMessage, p));
    AppendLineEnd(err);
}

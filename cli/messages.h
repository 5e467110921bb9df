// What the program says on standard error: each message starts with its name.
#pragma once

#include <cstddef>

#include "output_buffer.h"

// "palorin-cli: TEXT", or "palorin-cli: TEXT: WHAT" when `what` is given, and
// the line end.
void ReportError(OutputBuffer* err, const char* text, const char* what = nullptr);

// Enough of a bad input to recognise it, on one terminal line.
constexpr size_t kShownInputBytes = 80;

// "palorin-cli: line 3: not a colour: TEXT" (`source` "line" or "argument",
// `reason` "not a colour" or why a CSS colour was refused), TEXT being the
// input's first kShownInputBytes bytes with every byte outside printable
// ASCII escaped.
void ReportBadInput(OutputBuffer* err, const char* source, unsigned long long number,
                    const char* reason, const char* text, size_t length);

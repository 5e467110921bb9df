// Converting colours: each argument, or else each line of standard input, gives
// one output line, in order.
#pragma once

#include "colour_output.h"
#include "output_buffer.h"

// The exit status: 0 when every input was a colour, 1 when any was not, 2 when
// standard input could not be read.
int ConvertArguments(char* const* arguments, int count, const OutputOptions& options,
                     OutputBuffer* out, OutputBuffer* err);
int ConvertStandardInput(const OutputOptions& options, OutputBuffer* out, OutputBuffer* err);

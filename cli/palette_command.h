// `palorin-cli palette FILE`: the colours of a palette file, in order, a line
// each, in the forms the conversions write.
#pragma once

#include "colour_output.h"
#include "output_buffer.h"

// The exit status: 0 for a palette printed; 1 for a file that is no palette or
// a damaged one (the message names the line); 2 when it cannot be read.
int RunPaletteCommand(const char* path, const OutputOptions& options, OutputBuffer* out,
                      OutputBuffer* err);

// `palorin-cli pick`: one colour picked from the screen, printed as the
// conversions print theirs.
#pragma once

#include "colour_output.h"
#include "output_buffer.h"

// Runs the pick and writes the picked colour's line to `out` with
// WriteColourLine (no input). The exit status: 0 for a colour picked, 1 when the
// user cancelled, 2 where the platform has no pick from the screen or the pick
// failed (said on `err`).
// `averageSide` is --average's N: the side of the square averaged, 1 for one pixel.
int RunPickCommand(const OutputOptions& options, int averageSide, OutputBuffer* out,
                   OutputBuffer* err);

// palorin-cli's command line: which command, its output options and its operands.
#pragma once

#include "colour_output.h"
#include "derive_command.h"
#include "output_buffer.h"

enum class Command { kConvert, kContrast, kPick, kPalette, kMix, kTints, kShades, kHelp, kVersion, kUsageError };

struct Arguments {
    Command command;
    OutputOptions output;
    DeriveOptions derive;  // mix, tints, shades
    char* const* operands;  // the colours (or the palette file), in argv
    int operandCount;
    int fixLevel;     // contrast --fix: the level in hundredths of the ratio, 0 without
    int averageSize;  // pick --average: the side of the square averaged, odd, 1-15
};

// Reads argv, moving the operands together in it. A usage error is explained on
// `err` (one line; the caller adds the short usage) and gives kUsageError.
Arguments ReadArguments(int argc, char** argv, OutputBuffer* err);

// The synopsis, for a usage error; the whole help for --help.
void WriteShortUsage(OutputBuffer* out);
void WriteHelp(OutputBuffer* out);

// `palorin-cli mix A B`, `tints C` and `shades C`: the steps from one colour
// to another, each as the color-mix() a stylesheet would hold, and its result.
#pragma once

#include "colour_output.h"
#include "output_buffer.h"

// What mix, tints and shades ask for: the space to mix in (any of
// color-mix()'s, with a hue arc after it) and how many colours, both ends
// included.
struct DeriveOptions {
    const char* space;  // "oklab" unless --in chose one
    int steps;
};

constexpr int kDefaultSteps = 5;
constexpr int kMostSteps = 1000;

// `to` is the colour to mix towards: the second operand of mix, white for
// tints, black for shades. Each line is the CSS text, a tab and the result as
// the conversion writes it (in JSON the CSS text is the "input"). The exit
// status: 0, 1 when an operand is no colour, 2 for a space color-mix() has not.
int RunDeriveCommand(const char* from, const char* to, const DeriveOptions& derive,
                     const OutputOptions& options, OutputBuffer* out, OutputBuffer* err);

// How a colour looks to people with a colour-vision deficiency: the
// simulations of Machado, Oliveira and Fernandes (2009) at full severity, and
// the grey of the colour's luminance for achromatopsia.
#pragma once

#include "color_record.h"

enum class Vision : unsigned char {
    kProtanopia,
    kDeuteranopia,
    kTritanopia,
    kAchromatopsia,
};

constexpr int kVisionCount = 4;

// "protanopia", "deuteranopia", "tritanopia", "achromatopsia".
const char* VisionName(Vision vision);

// 1 with *vision set for one of those names, 0 otherwise.
int LookupVision(const char* name, Vision* vision);

// The colour as seen with the deficiency: the matrix applied to its linear
// light (as the paper's model works, not to the encoded values), clamped to
// sRGB and rounded to the nearest 8-bit value. Notation kept.
ColorRecord SimulateVision(Vision vision, const ColorRecord& color);

// Conversions between CSS Color 4's colour spaces, with the matrices and
// transfer functions of CSS's sample code. Linear-light sRGB is the hub:
// every space converts to it and from it. Nothing is clamped here.
#pragma once

#include "css_color.h"

// The sRGB transfer function and its inverse, extended to negative values by
// symmetry as CSS extends them.
double SrgbToLinear(double encoded);
double LinearToSrgb(double linear);

// sRGB 0-1 of an rgb(), hsl() or hwb() colour, clamped as CSS computes them.
void LegacyToSrgb(const CssColor& color, double rgb[3]);

// Linear-light sRGB of a colour in any space.
void CssToLinearSrgb(const CssColor& color, double linear[3]);

void LinearSrgbToOklab(const double linear[3], double oklab[3]);
// The same within 1e-14, sooner: for the gamut mapping's distances.
void NearLinearSrgbToOklab(const double linear[3], double oklab[3]);
void OklabToLinearSrgb(const double oklab[3], double linear[3]);
void LinearSrgbToLab(const double linear[3], double lab[3]);  // L 0-100, D50 white
void LabToLinearSrgb(const double lab[3], double linear[3]);

// sRGB 0-1 of a hue in degrees (any), saturation and lightness 0-1 (hsl) or
// whiteness and blackness in percent (hwb).
void HslToSrgb(double hue, double saturation, double lightness, double rgb[3]);
void HwbToSrgb(double hue, double whiteness, double blackness, double rgb[3]);

// The hue (degrees, 0 for a grey), saturation and lightness (0-1) of sRGB 0-1.
void SrgbToHsl(const double rgb[3], double hsl[3]);

// The hue turned into 0-360, exactly, however many turns it makes; an infinite
// or NaN hue is 0, as CSS makes it.
double NormalisedHue(double degrees);

// Chroma and hue in degrees, 0-360, of a, b; and back.
void RectangularToPolar(double a, double b, double* chroma, double* hue);
void PolarToRectangular(double chroma, double hue, double* a, double* b);

// sRGB 0-1 of any colour, gamma encoded; only the legacy spaces clamp.
void CssToSrgb(const CssColor& color, double rgb[3]);

// A colour's channels in another space, in the units that space's CSS
// function uses (rgb() 0-255, hsl() and hwb() percent, color() 0-1): from
// linear-light sRGB, from sRGB 0-1, or from any colour. Nothing is clamped.
void LinearSrgbToCss(const double linear[3], CssSpace space, double out[3]);
void SrgbToCss(const double rgb[3], CssSpace space, double out[3]);
void ConvertCssColor(const CssColor& color, CssSpace space, double out[3]);

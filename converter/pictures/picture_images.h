// The two small images that the converter stretches onto its hue/saturation
// picker and its luminance bar. They are pixels in memory, stretched straight
// onto the dialog: no bitmap or memory DC is made for them, which under Wine
// costs requests to the window server at every paint.
#pragma once
#include <windows.h>

constexpr int kPickerImageWidth = 60;   // hue columns
constexpr int kPickerImageHeight = 27;  // saturation rows
constexpr int kBarImageHeight = 31;     // lightness rows, one pixel wide

// Stretches the picker image, hue left to right and saturation bottom to top
// at lightness 120, onto `target`. The image never changes: it is made at the
// first call and kept. False if it could not be drawn.
bool PaintPickerImage(HDC dc, const RECT& target);

// Stretches the luminance bar for this hue and saturation, black at the
// bottom and white at the top, onto `target`. False if it could not be drawn.
bool PaintBarImage(HDC dc, int hue, int saturation, const RECT& target);

// The two small images that the converter stretches onto its hue/saturation
// picker and its luminance bar.
#pragma once
#include <windows.h>

constexpr int kPickerImageWidth = 60;   // hue columns
constexpr int kPickerImageHeight = 27;  // saturation rows
constexpr int kBarImageHeight = 31;     // lightness rows, one pixel wide

// The picker image, hue left to right and saturation bottom to top at lightness
// 120. It never changes; the caller owns the bitmap. Null on failure.
HBITMAP CreatePickerBitmap(HDC dc);

// The luminance bar for this hue and saturation, black at the bottom and white
// at the top. The caller owns the bitmap. Null on failure.
HBITMAP CreateBarBitmap(HDC dc, int hue, int saturation);

// Stretches the whole of `bitmap` (width × height) onto `target` of `dc`;
// returns false if it could not.
bool StretchBitmap(HDC dc, HBITMAP bitmap, int width, int height, const RECT& target);

// Painting the converter's swatch, hue/saturation picker and luminance bar.
#pragma once
#include <windows.h>

// The dialog's paint handler; returns 1 when it painted.
INT_PTR OnPaint(HWND dialog);

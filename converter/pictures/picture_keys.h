// The keys of the hue/saturation picker and the luminance bar.
#pragma once
#include <windows.h>

// A key pressed while picture `id` (IDC_PICKER or IDC_LUMBAR) has the focus. The
// picker's arrows step the hue (left, right) and the saturation (up, down), Home
// and End go to hue 0 and 239, Page Up and Page Down to saturation 240 and 0;
// the bar's Up and Down step the lightness, Home and End go to 240 and 0. Shift
// makes an arrow step ten. The converter takes the new HLS as a drag would.
// False for a key the picture does not take.
bool OnPictureKey(HWND dialog, int id, WPARAM key);

// The picker and bar images as 24-bit bottom-up device-independent pixels,
// stretched onto the dialog.
#include "picture_images.h"

#include "hls.h"

namespace {

constexpr int kBytesPerPixel = 3;
// DIB rows are padded to a multiple of four bytes.
constexpr int kPickerRowBytes = (kPickerImageWidth * kBytesPerPixel + 3) / 4 * 4;
constexpr int kBarRowBytes = 4;

BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: row 0 is the bottom row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A DIB pixel is blue, green, red, the order a ColorRecord keeps its channels in.
void PutPixel(BYTE* pixel, int hue, int lightness, int saturation) {
    HlsToRgb(hue, lightness, saturation, &pixel[2], &pixel[1], &pixel[0]);
}

bool Stretch(HDC dc, int width, int height, const BYTE* bits, const RECT& target) {
    const BITMAPINFO info = DibInfo(width, height);
    return StretchDIBits(dc, target.left, target.top, target.right - target.left,
                         target.bottom - target.top, 0, 0, width, height, bits, &info,
                         DIB_RGB_COLORS, SRCCOPY) != 0;
}

// The picker's pixels, made once.
BYTE s_picker[kPickerImageHeight][kPickerRowBytes];
bool s_pickerMade = false;

void MakePickerImage() {
    for (int row = 0; row < kPickerImageHeight; ++row) {
        int saturation = row * kHlsScale / (kPickerImageHeight - 1);
        for (int column = 0; column < kPickerImageWidth; ++column) {
            int hue = column * (kHlsScale - 1) / (kPickerImageWidth - 1);
            PutPixel(&s_picker[row][column * kBytesPerPixel], hue, kHlsScale / 2, saturation);
        }
    }
    s_pickerMade = true;
}

}  // namespace

bool PaintPickerImage(HDC dc, const RECT& target) {
    if (!s_pickerMade) MakePickerImage();
    return Stretch(dc, kPickerImageWidth, kPickerImageHeight, &s_picker[0][0], target);
}

bool PaintBarImage(HDC dc, int hue, int saturation, const RECT& target) {
    BYTE bits[kBarImageHeight][kBarRowBytes] = {};
    for (int row = 0; row < kBarImageHeight; ++row)
        PutPixel(bits[row], hue, row * kHlsScale / (kBarImageHeight - 1), saturation);
    return Stretch(dc, 1, kBarImageHeight, &bits[0][0], target);
}

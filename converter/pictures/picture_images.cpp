// Building the picker and bar images as 24-bit bottom-up device-independent
// bitmaps, and stretching them onto the dialog.
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

HBITMAP CreateDib(HDC dc, int width, int height, const BYTE* bits) {
    BITMAPINFO info = DibInfo(width, height);
    return CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
}

}  // namespace

HBITMAP CreatePickerBitmap(HDC dc) {
    BYTE bits[kPickerImageHeight][kPickerRowBytes];
    for (int row = 0; row < kPickerImageHeight; ++row) {
        int saturation = row * kHlsScale / (kPickerImageHeight - 1);
        for (int column = 0; column < kPickerImageWidth; ++column) {
            int hue = column * (kHlsScale - 1) / (kPickerImageWidth - 1);
            PutPixel(&bits[row][column * kBytesPerPixel], hue, kHlsScale / 2, saturation);
        }
    }
    return CreateDib(dc, kPickerImageWidth, kPickerImageHeight, &bits[0][0]);
}

HBITMAP CreateBarBitmap(HDC dc, int hue, int saturation) {
    BYTE bits[kBarImageHeight][kBarRowBytes] = {};
    for (int row = 0; row < kBarImageHeight; ++row)
        PutPixel(bits[row], hue, row * kHlsScale / (kBarImageHeight - 1), saturation);
    return CreateDib(dc, 1, kBarImageHeight, &bits[0][0]);
}

bool StretchBitmap(HDC dc, HBITMAP bitmap, int width, int height, const RECT& target) {
    HDC source = CreateCompatibleDC(dc);
    if (!source) return false;
    HGDIOBJ previous = SelectObject(source, bitmap);
    bool stretched =
        previous && StretchBlt(dc, target.left, target.top, target.right - target.left,
                               target.bottom - target.top, source, 0, 0, width, height, SRCCOPY);
    if (previous) SelectObject(source, previous);
    DeleteDC(source);
    return stretched;
}

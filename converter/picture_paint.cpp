// Painting the converter's pictures.
#include "picture_paint.h"

INT_PTR OnPaint(HWND) {
    return 0;
}

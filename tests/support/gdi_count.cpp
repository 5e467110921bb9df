// Counting live GDI objects by probing every handle slot.
#include "gdi_count.h"

#include <windows.h>

int CountGdiObjects() {
    int count = 0;
    for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
    return count;
}

bool GdiCountingWorks() {
    const int before = CountGdiObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (!brush) return false;
    const int with = CountGdiObjects();
    DeleteObject(brush);
    return with == before + 1 && CountGdiObjects() == before;
}

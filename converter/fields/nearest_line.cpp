// The nearest-name line (see nearest_line.h). The distance is shown to one
// decimal, rounded: a tenth is about as little as the eye tells apart.
#include "nearest_line.h"

#include "field_write.h"
#include "nearest_name.h"
#include "notation_format.h"
#include "resource.h"

void ShowNearestLine(HWND dialog, const ColorRecord& color) {
    NearestName nearest;
    FindNearestName(color, &nearest);
    wchar_t line[kLineShownSize];
    wchar_t* p = line;
    *p++ = nearest.deltaE2000 == 0 ? L'=' : L'\u2248';
    *p++ = L' ';
    p = WidenAscii(nearest.name, p);
    if (nearest.deltaE2000 > 0) {
        const unsigned tenths = static_cast<unsigned>(nearest.deltaE2000 * 10 + 0.5);
        char whole[kColorTextCapacity];
        FormatDecimalChannel(tenths / 10, whole);
        p = WidenAscii(" (", p);
        *p++ = L'\u0394';
        p = WidenAscii(whole, WidenAscii("E ", p));
        *p++ = L'.';
        *p++ = static_cast<wchar_t>(L'0' + tenths % 10);
        *p++ = L')';
    }
    *p = L'\0';
    WriteWideField(dialog, IDC_NEAREST, line);
}

void ClearNearestLine(HWND dialog) { WriteWideField(dialog, IDC_NEAREST, L""); }

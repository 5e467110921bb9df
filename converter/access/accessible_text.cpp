// The converter's names, roles and values for screen readers (see
// accessible_text.h). Values are read from the window state when asked, so they
// always say what the pictures show.
#include "accessible_text.h"

#include <oleacc.h>

#include "current_colour.h"
#include "dialog_control.h"
#include "named_colors.h"
#include "notation_format.h"
#include "resource.h"
#include "screen_pick.h"
#include "seen_colour.h"

namespace {

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The group box around `field`, as the eye finds it.
HWND GroupOf(HWND dialog, const RECT& field, RECT* groupRect) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, "Button") ||
            (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
            continue;
        if (GetWindowRect(child, groupRect) && Inside(field, *groupRect)) return child;
    }
    return nullptr;
}

// The nearest plain label (a static without an id) inside the group, left of the
// field and level with its middle: "R" beside the R field. The example labels
// have ids and are never a field's name.
HWND LabelOf(HWND dialog, const RECT& field, const RECT& group) {
    const LONG middle = (field.top + field.bottom) / 2;
    HWND label = nullptr;
    LONG labelRight = group.left;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        if (GetDlgCtrlID(child) != -1 || !IsClass(child, "Static") || !GetWindowRect(child, &r))
            continue;
        if (Inside(r, group) && r.right <= field.left && r.right > labelRight && r.top <= middle &&
            r.bottom > middle) {
            label = child;
            labelRight = r.right;
        }
    }
    return label;
}

bool FieldName(HWND field, char* text) {
    HWND dialog = GetParent(field);
    RECT fieldRect, groupRect;
    if (!dialog || !GetWindowRect(field, &fieldRect)) return false;
    HWND group = GroupOf(dialog, fieldRect, &groupRect);
    if (!group || !GetWindowTextA(group, text, kAccessibleTextSize)) return false;
    HWND label = LabelOf(dialog, fieldRect, groupRect);
    const int length = lstrlenA(text);
    if (label && length + 2 < kAccessibleTextSize) {
        text[length] = ' ';
        GetWindowTextA(label, text + length + 1, kAccessibleTextSize - length - 1);
    }
    return true;
}

// "#00ffff aqua", or "#123456" for a colour without a name.
void SwatchValue(char* text) {
    int length = FormatHex6(CurrentColour(), text);
    const char* name = FindColorName(CurrentColour());
    if (*name) wsprintfA(text + length, " %s", name);
}

// The pictures' values as screen readers were last told of them.
struct PictureValues {
    HlsTriple hls;
    ColorRecord color;
    ColorRecord seen[IDC_SEEN_LAST - IDC_SEEN_FIRST + 1];
};
PictureValues s_told = {};

// The one control with a description of its own (the palette's status line) and it.
HWND s_described = nullptr;
char* s_description = nullptr;

void Announce(HWND dialog, int id) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, DialogControl(dialog, id), OBJID_CLIENT, CHILDID_SELF);
}

bool SameChannels(const ColorRecord& a, const ColorRecord& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool IsSeenSwatch(HWND control) {
    const int id = GetDlgCtrlID(control);
    return id >= IDC_SEEN_FIRST && id <= IDC_SEEN_LAST;
}

// The window a pick from the screen takes the mouse and the keys with.
bool IsPickWindow(HWND window) { return window && window == PickWindow(); }

}  // namespace

bool AccessibleName(HWND control, char* text) {
    if (IsPickWindow(control)) {
        lstrcpyA(text, "Pick from the screen");
        return true;
    }
    switch (GetDlgCtrlID(control)) {
    case IDC_PICKER:
        lstrcpyA(text, "Hue and saturation");
        return true;
    case IDC_LUMBAR:
        lstrcpyA(text, "Lightness");
        return true;
    case IDC_SWATCH:
        lstrcpyA(text, "Colour");
        return true;
    }
    if (IsSeenSwatch(control)) {
        SeenSwatchName(GetDlgCtrlID(control), text);
        return true;
    }
    return IsClass(control, "Edit") && FieldName(control, text);
}

void SetAccessibleDescription(HWND control, const char* text) {
    const size_t size = text ? lstrlenA(text) + 1 : 0;
    char* kept = size > 1 ? static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size)) : nullptr;
    if (kept) lstrcpyA(kept, text);
    HeapFree(GetProcessHeap(), 0, s_description);
    s_description = kept;
    s_described = kept ? control : nullptr;
}

const char* AccessibleDescription(HWND control) {
    return control && control == s_described ? s_description : nullptr;
}

bool AccessibleValue(HWND control, char* text) {
    if (!HasCurrentColour()) return false;
    // The colour under the pick point is the converter's colour while it lasts.
    if (IsPickWindow(control)) {
        SwatchValue(text);
        return true;
    }
    switch (GetDlgCtrlID(control)) {
    case IDC_PICKER:
        wsprintfA(text, "hue %u, saturation %u", CurrentHls().hue, CurrentHls().saturation);
        return true;
    case IDC_LUMBAR:
        wsprintfA(text, "%u", CurrentHls().lightness);
        return true;
    case IDC_SWATCH:
        SwatchValue(text);
        return true;
    }
    if (IsSeenSwatch(control)) {
        FormatHex6(SeenColour(GetDlgCtrlID(control)), text);
        return true;
    }
    return false;
}

void SeenSwatchName(int id, char* text) {
    lstrcpyA(text, "As seen with ");
    lstrcatA(text, VisionName(SeenVision(id)));
}

bool NameFieldDescription(HWND control, wchar_t* text) {
    if (GetDlgCtrlID(control) != IDC_NAME) return false;
    return GetWindowTextW(DialogControl(GetParent(control), IDC_NEAREST), text,
                          kAccessibleTextSize) > 0;
}

LONG AccessibleRole(HWND control) {
    switch (GetDlgCtrlID(control)) {
    case IDC_PICKER:
    case IDC_LUMBAR:
        return ROLE_SYSTEM_SLIDER;
    case IDC_SWATCH:
        return ROLE_SYSTEM_GRAPHIC;
    }
    return IsSeenSwatch(control) ? ROLE_SYSTEM_GRAPHIC : 0;
}

void AnnouncePictureValues(HWND dialog) {
    PictureValues& told = s_told;
    const ColorRecord& color = CurrentColour();
    if (CurrentHls().hue != told.hls.hue || CurrentHls().saturation != told.hls.saturation)
        Announce(dialog, IDC_PICKER);
    if (CurrentHls().lightness != told.hls.lightness) Announce(dialog, IDC_LUMBAR);
    if (!SameChannels(color, told.color)) Announce(dialog, IDC_SWATCH);
    for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) {
        const ColorRecord seen = SeenColour(id);
        if (!SameChannels(seen, told.seen[id - IDC_SEEN_FIRST])) Announce(dialog, id);
        told.seen[id - IDC_SEEN_FIRST] = seen;
    }
    told.hls = CurrentHls();
    told.color = color;
}

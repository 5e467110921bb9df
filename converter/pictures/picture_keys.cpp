// The picker and the luminance bar by keyboard (see picture_keys.h). A step sets
// the HLS triple itself and the colour follows from it, as on a drag: the triple
// stays as the user set it, never recomputed from the colour.
#include "picture_keys.h"

#include "current_colour.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "resource.h"

namespace {

// A key steps one channel up or down, or takes it to one end of its scale.
struct PictureKey {
    int picture;
    WPARAM key;
    uint8_t HlsTriple::*channel;
    int direction;  // +1, -1: a step; 0: to `end`
    int end;
};

const PictureKey kPictureKeys[] = {
    {IDC_PICKER, VK_LEFT, &HlsTriple::hue, -1, 0},
    {IDC_PICKER, VK_RIGHT, &HlsTriple::hue, +1, 0},
    {IDC_PICKER, VK_UP, &HlsTriple::saturation, +1, 0},
    {IDC_PICKER, VK_DOWN, &HlsTriple::saturation, -1, 0},
    {IDC_PICKER, VK_HOME, &HlsTriple::hue, 0, 0},
    {IDC_PICKER, VK_END, &HlsTriple::hue, 0, kHlsScale - 1},
    {IDC_PICKER, VK_PRIOR, &HlsTriple::saturation, 0, kHlsScale},
    {IDC_PICKER, VK_NEXT, &HlsTriple::saturation, 0, 0},
    // The bar runs upwards, white at the top: Home is the top.
    {IDC_LUMBAR, VK_UP, &HlsTriple::lightness, +1, 0},
    {IDC_LUMBAR, VK_DOWN, &HlsTriple::lightness, -1, 0},
    {IDC_LUMBAR, VK_HOME, &HlsTriple::lightness, 0, kHlsScale},
    {IDC_LUMBAR, VK_END, &HlsTriple::lightness, 0, 0},
};

// Steps stop at the ends of the scale rather than wrap; hue ends at 239.
void Apply(const PictureKey& action, int step, HlsTriple& hls) {
    uint8_t& channel = hls.*action.channel;
    const int top = action.channel == &HlsTriple::hue ? kHlsScale - 1 : kHlsScale;
    const int value = action.direction ? channel + action.direction * step : action.end;
    channel = static_cast<uint8_t>(value < 0 ? 0 : value > top ? top : value);
}

}  // namespace

bool OnPictureKey(HWND dialog, int id, WPARAM key) {
    for (const PictureKey& action : kPictureKeys) {
        if (action.picture != id || action.key != key) continue;
        Apply(action, GetKeyState(VK_SHIFT) < 0 ? 10 : 1, CurrentHls());
        // Unlike a drag, the picker is repainted: its marker moves with the keys.
        RefreshConverter(dialog, id == IDC_PICKER ? MASK_PICKER_KEY : MASK_LUMBAR_DRAG);
        // Every field shows the colour again, even after a rejected text had emptied them.
        EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
        return true;
    }
    return false;
}

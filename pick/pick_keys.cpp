// The keys of a pick (see pick_keys.h).
#include "pick_keys.h"

PickKey TranslatePickKey(UINT virtualKey, bool shift) {
    const int step = shift ? 10 : 1;
    switch (virtualKey) {
    case VK_LEFT:
        return {PICK_KEY_MOVE, -step, 0};
    case VK_RIGHT:
        return {PICK_KEY_MOVE, step, 0};
    case VK_UP:
        return {PICK_KEY_MOVE, 0, -step};
    case VK_DOWN:
        return {PICK_KEY_MOVE, 0, step};
    case VK_RETURN:
    case VK_SPACE:
        return {PICK_KEY_KEEP, 0, 0};
    case VK_ESCAPE:
        return {PICK_KEY_RESTORE, 0, 0};
    case VK_ADD:
    case VK_OEM_PLUS:  // the + key of any layout, with or without Shift
        return {PICK_KEY_CLOSER, 0, 0};
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        return {PICK_KEY_FARTHER, 0, 0};
    case 'A':
        return {PICK_KEY_AVERAGE, 0, 0};
    }
    return {PICK_KEY_NONE, 0, 0};
}

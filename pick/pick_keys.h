// What a key does during a pick from the screen.
#pragma once
#include <windows.h>

enum PickKeyAction {
    PICK_KEY_NONE,
    PICK_KEY_MOVE,     // the pick point moves by dx, dy
    PICK_KEY_KEEP,     // Enter or Space: keeps the colour (a frozen pick)
    PICK_KEY_RESTORE,  // Escape: puts the colour back
    PICK_KEY_CLOSER,   // + : fewer, larger pixels in the magnifier
    PICK_KEY_FARTHER,  // - : more, smaller ones
    PICK_KEY_AVERAGE,  // A: the next size of the averaged square
};

struct PickKey {
    PickKeyAction action;
    int dx, dy;
};

// The arrows move by one screen pixel, by ten with Shift. + and - on the main
// keyboard and on the keypad zoom, whatever the layout puts them on.
PickKey TranslatePickKey(UINT virtualKey, bool shift);

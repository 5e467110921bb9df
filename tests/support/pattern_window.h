// A topmost window of known pixels for the pick tests: each pixel's colour is a
// function of its position in the window.
#pragma once
#include <windows.h>

typedef COLORREF (*PatternFn)(int x, int y);

// Shows the pattern at `where` (screen coordinates), painted; null on failure.
HWND ShowPattern(const RECT& where, PatternFn pattern);
// Paints the window afresh with another pattern, at once.
void ChangePattern(HWND window, PatternFn pattern);
// Presses (left or right button) that reached the window.
int PatternPresses(HWND window);

// Mouse picking on the converter's pictures.
#include "picture_mouse.h"

void OnMouseDown(HWND, LPARAM) {}
void OnMouseMove(HWND, LPARAM) {}
void OnMouseUp(HWND) {}
void OnCaptureLost(HWND, HWND) {}

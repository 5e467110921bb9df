// Picking a colour anywhere on the screen, Palorin's own window included: a
// press on the swatch held while the mouse moves, or the system-menu item
// followed by moves and a click. The colour follows the pixel under the
// cursor's hot spot, and the picker shows the screen around it, magnified.
#pragma once
#include <windows.h>

// Posted to the dialog by the mouse watch of a pick by menu: a move (to
// g_pick.hookPoint), and the click that ends the pick (wParam 1 for the left
// button, which keeps the colour; 0 for the right, which puts the old one back;
// lParam the screen point of the click).
constexpr UINT WM_PICK_MOVE = WM_APP + 1;
constexpr UINT WM_PICK_END = WM_APP + 2;

// Handles WM_PICK_MOVE and WM_PICK_END.
void OnPickNotice(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Adds "Pick from Screen...(&P)" (IDM_PICK) to the system menu, after the
// version item.
void AppendPickMenuItem(HWND dialog);

// A press on the swatch at this screen point: the dialog takes the capture and
// the cursor becomes a cross until the button is released.
void StartHeldPick(HWND dialog, POINT point);

// The system-menu item: the mouse is watched anywhere on the screen until a
// click. Nothing happens if the platform won't let it be watched.
void StartMenuPick(HWND dialog);

// The colour becomes the pixel at this screen point and every field and picture
// follows; a pixel that can't be read leaves the colour as it was.
void PickAt(HWND dialog, POINT point);

// Ends the pick: keeps the colour, or puts back the colour and HLS from before it,
// with every field rewritten. Capture, cursor and the mouse watch are freed.
void EndPick(HWND dialog, bool keep);

// Frees capture, cursor and the mouse watch of a pick whose dialog is going away.
void AbandonPick();

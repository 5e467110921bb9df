// The converter's side of a pick from the screen: where it starts (a press held
// on the swatch, or the system-menu item) and what the colour does meanwhile.
// The pick itself, its window and its magnifier, is the pick library's.
#pragma once
#include <windows.h>

// Adds "Pick from Screen...(&P)" (IDM_PICK) to the system menu, after the
// version item.
void AppendPickMenuItem(HWND dialog);

// A press on the swatch: the pick follows the live screen until the release.
void StartHeldPick(HWND dialog);

// The system-menu item: the pick follows the mouse over a frozen picture of the
// screen until a click, Enter or Space. Nothing happens if the screen can't be taken.
void StartMenuPick(HWND dialog);

// Ends a pick in progress as Escape would: the colour and HLS from before it come back.
void CancelConverterPick();

// Ends a pick in progress of a dialog that is going away, without touching its fields.
void AbandonConverterPick();

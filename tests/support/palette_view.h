// The converter's palette as the user sees it and as its file holds it, for
// the tests that check that the two agree.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The palette list's items, "#rrggbb name", as the list view shows them.
std::vector<std::string> ListedColours(HWND dialog);

// The items of the list, in order, that are selected.
std::vector<int> SelectedItems(HWND dialog);
// Selects exactly these items; the first gets the focus.
void SelectItems(HWND dialog, const std::vector<int>& items);

// The colours of a palette file as the list would show them, or one line
// saying why the file can't be read as a palette.
std::vector<std::string> FileColours(const std::string& path);

// Writes a file as another program would; false when it couldn't.
bool WriteTestFile(const std::string& path, const std::string& bytes);

// The file as the system knows it: its volume, its index there (a replace
// gives a new one, even within one tick of the clock), size and write time;
// empty when it can't be opened.
std::string FileIdentity(const std::string& path);

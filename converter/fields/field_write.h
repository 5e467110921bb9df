// Writing a text into one of the converter's fields or notes.
#pragma once
#include <windows.h>

#include "css_format.h"

// Room for the longest text a field shows, a CSS form's, and its NUL.
constexpr int kFieldShownSize = kCssTextCapacity;

// Sets the text of control `id`, unless it shows that text already.
void WriteField(HWND dialog, int id, const char* text);

// Room for the longest text of a line under a field, with its NUL.
constexpr int kLineShownSize = 96;

// The same for a static whose text is set in Unicode (it holds characters
// outside ASCII, which the ANSI code page may not have); an empty text too.
void WriteWideField(HWND dialog, int id, const wchar_t* text);

// An ASCII text widened into `out`, without a NUL; returns the end.
wchar_t* WidenAscii(const char* text, wchar_t* out);

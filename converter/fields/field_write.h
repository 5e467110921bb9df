// Writing a text into one of the converter's fields or notes.
#pragma once
#include <windows.h>

#include "css_format.h"

// Room for the longest text a field shows, a CSS form's, and its NUL.
constexpr int kFieldShownSize = kCssTextCapacity;

// Sets the text of control `id`, unless it shows that text already.
void WriteField(HWND dialog, int id, const char* text);

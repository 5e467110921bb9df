// The pieces of the flat CSS reader (css_read.cpp) that the full reader
// (css_nested.cpp) reads with too: hashes, names, the table lookups.
#pragma once

#include "css_color.h"
#include "css_functions.h"
#include "css_tokens.h"

// #rgb ... #rrggbbaa into reading->color.
CssReadResult ReadCssHash(const CssToken& hash, CssReading* reading);

// A colour name or `transparent` into reading->color; currentcolor and the
// system colours refused.
CssReadResult ReadCssKeyword(const CssToken& ident, CssReading* reading);

// The colour function a function token names (color() included), or null.
const CssFunction* FindCssFunction(const CssToken& function);

// The space a predefined name names: color()'s and color-mix()'s rgb and xyz
// spaces. False for any other name.
bool FindPredefinedSpace(const CssToken& name, CssSpace* space);

// The full reader, for a text whose colour holds a function inside a
// function, or is color-mix(), light-dark(), contrast-color() or a refused
// one. In time linear in the length; nesting beyond kCssMaxNesting refused.
CssReadResult ReadNestedCssColor(const char* text, size_t length, ColourScheme scheme,
                                 CssReading* reading);

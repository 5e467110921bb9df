// Reading back the palettes Save writes besides GIMP palettes and plain text:
// the JSON array of {"hex", "name"} objects and the CSS custom properties of a
// `:root` block. Each becomes a new palette of GIMP lines, the names as the
// file gives them.
#pragma once

#include <cstddef>

#include "palette.h"

// Why a file is refused, shared by every reader of palettes.
extern const char kNotAColour[];
extern const char kNoMemory[];

enum class ExportKind { kNone, kJson, kCss };

// What the file's first token, after a byte order mark, blanks and CSS
// comments, says it is: '[' JSON, ":root" CSS; kNone for anything else.
ExportKind ExportKindOf(const char* bytes, size_t size);

// Reads the file into `palette` (new and empty). Null on success, else the
// reason, a static text, with *lineNumber the line it stops on.
const char* ReadJsonExport(const char* bytes, size_t size, Palette* palette, size_t* lineNumber);
const char* ReadCssExport(const char* bytes, size_t size, Palette* palette, size_t* lineNumber);

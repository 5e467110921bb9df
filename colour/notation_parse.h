// Readers of the typed colour notations: #RGB / #RRGGBB, (R,G,B), (R%,G%,B%) and
// the converter's channel fields. Each writes its result only when the whole
// text is valid; none writes `notation` or skips white space.
#pragma once

#include "color_record.h"
#include "hls.h"

// 1 for 0-9, A-F, a-f; otherwise 0.
int IsHexDigit(char c);

// 0-15 for a hex digit; 0 for any other character.
int HexDigitValue(char c);

// 2 for a valid #RRGGBB, 1 for a valid #RGB (each digit times 17), 0 otherwise.
int ParseHexNotation(const char* text, ColorRecord* record);

// 1 for a valid (R,G,B) with channels 0-255, 0 otherwise. Text after the ')' is ignored.
int ParseDecimalTriple(const char* text, ColorRecord* record);

// 1 for a valid (R%,G%,B%) with percentages 0-100 (channel = p * 255 / 100), 0 otherwise.
int ParsePercentTriple(const char* text, ColorRecord* record);

// 1 with *value set for a non-empty text of hex digits only whose value never
// exceeds 255 on the way (leading zeros allowed: "0ff" is 255), 0 otherwise.
// Reads one channel of the converter's hexadecimal R, G, B fields.
int ParseHexChannel(const char* text, uint8_t* value);

// 1 with *value set for one to three ASCII digits (leading zeros allowed: "007"
// is 7) whose value is at most `limit`, 0 otherwise: no blanks, no sign, nothing
// else. Reads one of the converter's decimal R, G, B and H, L, S fields.
int ParseDecimalChannel(const char* text, int limit, uint8_t* value);

// 1 with *hls set for "H,L,S": the converter's three HLS fields in one text, each
// as ParseDecimalChannel reads it (hue at most 239, lightness and saturation at
// most 240), separated by single commas, with nothing before or after; 0 otherwise.
int ParseHlsTriple(const char* text, HlsTriple* hls);

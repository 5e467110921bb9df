// Display forms of a colour, written into a caller's buffer for the converter
// fields and the quick result. Each buffer must hold kColorTextCapacity bytes.
#pragma once

#include "color_record.h"
#include "hls.h"

// Room for the longest form, "(100%,100%,100%)", or a 64-bit count, plus the NUL.
constexpr int kColorTextCapacity = 24;

// The #RGB digit nearest to an 8-bit channel: 0-8 give 0, 9-25 give 1, ..., 247-255 give 15.
int NearestNibble(int value);

// Each returns the length of the NUL-terminated text written to `out`.

// "#rrggbb", lower case, two digits a channel: "#00ffff".
int FormatHex6(const ColorRecord& color, char* out);
// "#rrggbbaa", the same with an alpha byte (CSS's #rrggbbaa): "#00ffff80".
int FormatHex8(const ColorRecord& color, unsigned alpha, char* out);
// "#rgb" of each channel's nearest nibble: "#0ff".
int FormatHex3(const ColorRecord& color, char* out);
// "(r%,g%,b%)" with each channel * 100 / 255, truncated: "(0%,100%,100%)".
int FormatPercentTriple(const ColorRecord& color, char* out);
// "(r,g,b)" in decimal: "(0,255,255)".
int FormatDecimalTriple(const ColorRecord& color, char* out);
// The converter's three HLS fields in one text, as ParseHlsTriple reads it: "120,120,240".
int FormatHlsTriple(const HlsTriple& hls, char* out);
// One value in unsigned decimal: "255".
int FormatDecimalChannel(unsigned value, char* out);
// The same for any count, such as palorin-cli's line numbers, which may pass 32 bits.
int FormatDecimal(unsigned long long value, char* out);
// One value in lower-case hex without leading zeros: "0", "a", "ff".
int FormatHexChannel(unsigned value, char* out);

// CSS's math functions where a colour holds a number, a percentage or an
// angle: calc(), min(), round(), sin(), pow() ... with their constants, the
// type checks that keep a number from being added to an angle, and their
// rules for infinity and NaN. Read over the full reader's token stream, which
// lives here too, with one token of look-ahead.
#pragma once

#include <cmath>
#include <cstdint>

#include "css_color.h"
#include "css_tokens.h"

// Functions and parentheses nested deeper than this are refused, not read:
// every level is a call, and the stack stays small.
constexpr int kCssMaxNesting = 32;

// The tokens of a text as the full reader takes them: blanks skipped, but
// whether one came before the current token is kept (calc()'s + and - need
// them); the parentheses still open are counted.
struct CssStream {
    CssTokenizer tokens;
    CssToken token;  // the current one
    bool blankBefore;
    int open;   // functions and parentheses read and not yet closed
    int depth;  // functions being read, one inside another
    ColourScheme scheme;
    CssReading* reading;  // where a refusal goes
};

// Starts the stream on text[0, length) and reads its first token (blanks not
// skipped: a colour starts at the first character).
void StartCssStream(const char* text, size_t length, ColourScheme scheme, CssReading* reading,
                    CssStream* stream);

// Moves to the next token, past blanks.
void AdvanceCssStream(CssStream* stream);

// A read went into one more function or block: false, with the refusal set,
// when that is one too many. LeaveNesting when it is done.
bool EnterNesting(CssStream* stream);
inline void LeaveNesting(CssStream* stream) { --stream->depth; }

// Refuses the text with "<what><reason>"; returns kRefused.
CssReadResult RefuseCss(CssReading* reading, const char* what, const char* reason);

// At a function that is no colour's nor a math function: kRefused, with its
// refusal, for one that needs a document (var(), env(), attr() ...);
// otherwise kNotAColour.
CssReadResult RejectCssFunction(CssStream* stream);

// A value with its CSS type: the powers of percentage and angle in it
// (a number has neither; 10% * 2deg / 1deg is a percentage). Angles are in
// degrees.
struct CssNumeric {
    double value;
    int8_t percent;
    int8_t angle;
};

inline bool IsCssNumber(const CssNumeric& v) { return v.percent == 0 && v.angle == 0; }
inline bool IsCssPercentage(const CssNumeric& v) { return v.percent == 1 && v.angle == 0; }
inline bool IsCssAngle(const CssNumeric& v) { return v.percent == 0 && v.angle == 1; }

// The channel keywords of a relative colour, each a number: r, g, b and
// alpha of its origin, or h, s, l ... Names are empty past the last.
struct CssChannelKeywords {
    char names[4][6];
    double values[4];
};

// True when the current token is a function of this file.
bool IsCssMathFunction(const CssToken& token);

// Reads the math function at the current token, through its ')', into
// *value: typed, with NaN and infinities as the calculation gave them (the
// caller brings a top-level one into range). `keywords` may be null.
CssReadResult ReadCssMathFunction(CssStream* stream, const CssChannelKeywords* keywords,
                                  CssNumeric* value);

// One component of a colour at the current token, the stream moving past
// it: a number, percentage or angle, `none` (*none set, value 0), one of
// `keywords` (may be null), or a math function, its result as calculated:
// the caller brings it into range as a channel, a hue or an alpha needs.
CssReadResult ReadCssComponent(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value,
                               bool* none);

// A top-level calculation's result as CSS uses it: NaN is 0, an infinity
// the largest finite value of its sign; for a hue, both are 0.
double CensoredCssValue(double value);
inline double CensoredCssHue(double degrees) { return std::isfinite(degrees) ? degrees : 0; }

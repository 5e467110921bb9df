// The tokens of CSS that a colour is written in: numbers, percentages,
// dimensions, identifiers, functions, hashes and the few delimiters between
// them, read as the CSS syntax reads them, so that `1e2`, `+.5`, `10DEG` and
// `rgb(1/**/2 3)` mean what they mean in a stylesheet.
#pragma once

#include <cstddef>

enum class CssTokenType {
    kEnd,         // the end of the text
    kWhitespace,  // one or more blanks, tabs, line ends or form feeds
    kNumber,
    kPercentage,  // value is the number before the '%'
    kDimension,   // value and unit: 10deg
    kIdent,       // name: none, srgb, red
    kFunction,    // name, and the '(' that follows it
    kHash,        // name after the '#'
    kOpenParen,
    kCloseParen,
    kComma,
    kDelim,  // any other character, such as '/' or ';'
    kBad,    // an unclosed comment, a lone backslash: nothing a colour holds
};

// 10^0 to 10^22, each exact as a double. A number's digits are divided by
// one of them, and the CSS forms are searched for through the same divisions.
constexpr int kExactPowersOfTen = 23;
extern const double kPowersOfTen[kExactPowersOfTen];

// Longest name kept; longer ones compare unequal to every keyword.
constexpr size_t kCssNameCapacity = 24;

struct CssToken {
    CssTokenType type;
    double value;  // kNumber, kPercentage, kDimension
    // The name of an ident, function or hash, or the unit of a dimension, with
    // escapes decoded and ASCII letters in lower case; a character outside
    // ASCII is kept as 0x80, which no keyword holds.
    char name[kCssNameCapacity + 1];
    size_t nameLength;  // longer than kCssNameCapacity when the name was cut
    char delim;         // kDelim
};

// The text runs from `at` to `end`, where a NUL must stand.
struct CssTokenizer {
    const char* at;
    const char* end;
};

// Reads the next token at tokenizer->at into *token, advancing past it;
// comments are skipped as CSS skips them, and with `skipBlanks` the blanks
// before the token too (between a function's arguments, where blanks only
// separate). Only the fields of the token's type are set. Never reads beyond
// `end`. A NUL before `end` gives kBad.
void NextCssToken(CssTokenizer* tokenizer, bool skipBlanks, CssToken* token);

// True when the token's name equals `keyword` (lower case ASCII).
bool CssNameIs(const CssToken& token, const char* keyword);

// True when the token's name is one of `names`: lower case ASCII names, each
// ended by a space ("var env attr ").
bool CssNameIsOneOf(const CssToken& token, const char* names);

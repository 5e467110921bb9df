// The CSS tokenizer, for the tokens a colour can hold. The text ends in a NUL,
// which no token holds: each test of a character stops there, so that no
// look-ahead passes the end. Numbers are converted here, from their digits:
// the same on every platform, and exact for every number of up to 15 digits.
#include "css_tokens.h"

#include <cstdint>
#include <cstring>

#include "notation_parse.h"

namespace {

// What each byte can be, looked up in one step: palorin-cli reads millions of
// colours, and most of a colour's bytes are digits and letters.
enum : uint8_t { kDigit = 1, kNameStart = 2, kNameOther = 4, kBlank = 8 };

struct ByteClasses {
    uint8_t of[256];
    constexpr ByteClasses() : of() {
        for (int c = 0; c < 256; ++c) {
            uint8_t k = 0;
            if (c >= '0' && c <= '9') k |= kDigit | kNameOther;
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80) k |= kNameStart;
            if (c == '-') k |= kNameOther;
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') k |= kBlank;
            of[c] = k;
        }
    }
};

constexpr ByteClasses kClasses;

uint8_t ClassOf(char c) { return kClasses.of[static_cast<unsigned char>(c)]; }

bool IsDigit(char c) { return ClassOf(c) & kDigit; }

bool IsWhitespace(char c) { return ClassOf(c) & kBlank; }

bool IsNameStart(char c) { return ClassOf(c) & kNameStart; }

bool IsNameChar(char c) { return ClassOf(c) & (kNameStart | kNameOther); }

// A backslash followed by anything but a line end or the end.
bool StartsEscape(const char* p) {
    return p[0] == '\\' && p[1] != '\0' && p[1] != '\n' && p[1] != '\r' && p[1] != '\f';
}

bool StartsIdent(const char* p) {
    if (p[0] == '-') return IsNameStart(p[1]) || p[1] == '-' || StartsEscape(p + 1);
    return IsNameStart(p[0]) || StartsEscape(p);
}

bool StartsNumber(const char* p) {
    if (p[0] == '+' || p[0] == '-') ++p;
    return IsDigit(p[0]) || (p[0] == '.' && IsDigit(p[1]));
}

void PutNameChar(CssToken* token, char c) {
    if (token->nameLength < kCssNameCapacity) {
        const unsigned char u = static_cast<unsigned char>(c);
        token->name[token->nameLength] = u >= 0x80 ? static_cast<char>(0x80)
                                         : u >= 'A' && u <= 'Z' ? static_cast<char>(u | 0x20)
                                                                : c;
    }
    ++token->nameLength;
}

// An escape after its backslash: up to six hex digits and one blank after
// them, or any other character as itself.
const char* ConsumeEscape(const char* p, CssToken* token) {
    if (!IsHexDigit(*p)) {
        PutNameChar(token, *p);
        return p + 1;
    }
    uint32_t code = 0;
    for (int i = 0; i < 6 && IsHexDigit(*p); ++i)
        code = code * 16 + static_cast<uint32_t>(HexDigitValue(*p++));
    if (p[0] == '\r' && p[1] == '\n')
        p += 2;
    else if (IsWhitespace(*p))
        ++p;
    PutNameChar(token, code > 0 && code < 0x80 ? static_cast<char>(code) : static_cast<char>(0x80));
    return p;
}

const char* ConsumeName(const char* p, CssToken* token) {
    token->nameLength = 0;
    for (;;) {
        if (IsNameChar(*p)) {
            PutNameChar(token, *p++);
        } else if (StartsEscape(p)) {
            p = ConsumeEscape(p + 1, token);
        } else {
            break;
        }
    }
    token->name[token->nameLength < kCssNameCapacity ? token->nameLength : kCssNameCapacity] = '\0';
    return p;
}

// m * 10^exponent, correctly rounded when m < 2^53 and |exponent| <= 22 (both
// factors are then exact doubles); otherwise within a few units of the last
// place, which no colour notices.
double ScaleByPowerOfTen(uint64_t m, int exponent) {
    if (m == 0) return 0;
    double value = static_cast<double>(m);
    while (exponent > 22 && value < 1e300) {
        value *= 1e22;
        exponent -= 22;
    }
    while (exponent < -22 && value > 1e-300) {
        value /= 1e22;
        exponent += 22;
    }
    if (exponent > 22) return value * 1e22;  // infinite: the reader clamps it
    if (exponent < -22) return 0;
    return exponent >= 0 ? value * kPowersOfTen[exponent] : value / kPowersOfTen[-exponent];
}

// A number: sign, digits, a fraction, an exponent (only with digits after it).
// Eighteen significant digits are kept (leading zeros keep the mantissa 0);
// later ones only count for the size.
const char* ConsumeNumber(const char* p, double* value) {
    constexpr uint64_t kFull = 100000000000000000ull;  // 10^17
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    uint64_t mantissa = 0;
    int exponent = 0;
    for (; IsDigit(*p); ++p) {
        if (mantissa < kFull)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        else
            ++exponent;
    }
    // Most numbers of a colour are whole: their digits are the value.
    if (exponent == 0 && *p != '.' && (*p | 0x20) != 'e') {
        *value = negative ? -static_cast<double>(mantissa) : static_cast<double>(mantissa);
        return p;
    }
    if (p[0] == '.' && IsDigit(p[1])) {
        for (++p; IsDigit(*p); ++p) {
            if (mantissa < kFull) {
                mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
                --exponent;
            }
        }
    }
    if (*p == 'e' || *p == 'E') {
        const char* digits = p + 1;
        if (*digits == '+' || *digits == '-') ++digits;
        if (IsDigit(*digits)) {
            const bool negativeExponent = p[1] == '-';
            int written = 0;
            for (p = digits; IsDigit(*p); ++p) {
                if (written < 100000) written = written * 10 + (*p - '0');
            }
            exponent += negativeExponent ? -written : written;
        }
    }
    const double magnitude = ScaleByPowerOfTen(mantissa, exponent);
    *value = negative ? -magnitude : magnitude;
    return p;
}

// Past a comment whose "/*" is at p; null when it never closes.
const char* SkipComment(const char* p) {
    for (p += 2; *p != '\0'; ++p) {
        if (p[0] == '*' && p[1] == '/') return p + 2;
    }
    return nullptr;
}

}  // namespace

const double kPowersOfTen[kExactPowersOfTen] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void NextCssToken(CssTokenizer* tokenizer, bool skipBlanks, CssToken* token) {
    const char* p = tokenizer->at;
    for (;;) {
        if (p[0] == '/' && p[1] == '*') {
            p = SkipComment(p);
            if (!p) {
                tokenizer->at = tokenizer->end;
                token->type = CssTokenType::kBad;
                return;
            }
        } else if (skipBlanks && IsWhitespace(*p)) {
            ++p;
        } else {
            break;
        }
    }
    const char first = *p;
    if (p == tokenizer->end) {
        token->type = CssTokenType::kEnd;
    } else if (IsWhitespace(first)) {
        while (IsWhitespace(*p)) ++p;
        token->type = CssTokenType::kWhitespace;
    } else if (StartsNumber(p)) {
        token->type = CssTokenType::kNumber;
        p = ConsumeNumber(p, &token->value);
        if (StartsIdent(p)) {
            token->type = CssTokenType::kDimension;
            p = ConsumeName(p, token);
        } else if (*p == '%') {
            ++p;
            token->type = CssTokenType::kPercentage;
        }
    } else if (StartsIdent(p)) {
        token->type = CssTokenType::kIdent;
        p = ConsumeName(p, token);
        if (*p == '(') {
            ++p;
            token->type = CssTokenType::kFunction;
        }
    } else if (first == '#' && (IsNameChar(p[1]) || StartsEscape(p + 1))) {
        token->type = CssTokenType::kHash;
        p = ConsumeName(p + 1, token);
    } else if (first == '\0' || first == '\\') {
        // A NUL inside the text, or a backslash that escapes nothing.
        token->type = CssTokenType::kBad;
        p = tokenizer->end;
    } else {
        ++p;
        token->type = first == '(' ? CssTokenType::kOpenParen
                      : first == ')' ? CssTokenType::kCloseParen
                      : first == ',' ? CssTokenType::kComma
                                     : CssTokenType::kDelim;
        token->delim = first;
    }
    tokenizer->at = p;
}

bool CssNameIs(const CssToken& token, const char* keyword) {
    size_t i = 0;
    for (; keyword[i] != '\0'; ++i) {
        if (i >= token.nameLength || token.name[i] != keyword[i]) return false;
    }
    return i == token.nameLength;
}

bool CssNameIsOneOf(const CssToken& token, const char* names) {
    if (token.nameLength > kCssNameCapacity) return false;
    for (const char* name = names; *name;) {
        const char* end = std::strchr(name, ' ');
        if (static_cast<size_t>(end - name) == token.nameLength &&
            std::memcmp(name, token.name, token.nameLength) == 0)
            return true;
        name = end + 1;
    }
    return false;
}

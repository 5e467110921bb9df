// CSS's math functions over the full reader's token stream. Each level of
// nesting is a call, counted against kCssMaxNesting; each token is read once.
#include "css_calc.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

enum class MathFunction : uint8_t {
    kCalc, kMin, kMax, kClamp, kRound, kMod, kRem, kAbs, kSign, kSin, kCos, kTan,
    kAsin, kAcos, kAtan, kAtan2, kPow, kSqrt, kHypot, kLog, kExp,
};

struct MathName {
    char name[6];
    MathFunction function;
};

const MathName kMathNames[] = {
    {"calc", MathFunction::kCalc}, {"min", MathFunction::kMin},     {"max", MathFunction::kMax},
    {"clamp", MathFunction::kClamp}, {"round", MathFunction::kRound}, {"mod", MathFunction::kMod},
    {"rem", MathFunction::kRem},   {"abs", MathFunction::kAbs},     {"sign", MathFunction::kSign},
    {"sin", MathFunction::kSin},   {"cos", MathFunction::kCos},     {"tan", MathFunction::kTan},
    {"asin", MathFunction::kAsin}, {"acos", MathFunction::kAcos},   {"atan", MathFunction::kAtan},
    {"atan2", MathFunction::kAtan2}, {"pow", MathFunction::kPow},   {"sqrt", MathFunction::kSqrt},
    {"hypot", MathFunction::kHypot}, {"log", MathFunction::kLog},   {"exp", MathFunction::kExp},
};

const MathName* FindMathFunction(const CssToken& token) {
    if (token.type != CssTokenType::kFunction) return nullptr;
    for (const MathName& entry : kMathNames) {
        if (CssNameIs(token, entry.name)) return &entry;
    }
    return nullptr;
}

bool SameType(const CssNumeric& a, const CssNumeric& b) {
    return a.percent == b.percent && a.angle == b.angle;
}

bool IsDelim(const CssToken& t, char c) { return t.type == CssTokenType::kDelim && t.delim == c; }

// Whether a blank follows the current token (a comment may stand between).
bool BlankFollows(const CssStream* stream) {
    CssTokenizer copy = stream->tokens;
    CssToken next;
    NextCssToken(&copy, false, &next);
    return next.type == CssTokenType::kWhitespace;
}

CssReadResult ReadSum(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value);

// The degrees of an angle's unit, or 0 for no angle.
double DegreesPerUnit(const CssToken& t) {
    if (CssNameIs(t, "deg")) return 1;
    if (CssNameIs(t, "grad")) return 0.9;
    if (CssNameIs(t, "rad")) return 180 / kPi;
    if (CssNameIs(t, "turn")) return 360;
    return 0;
}

// A channel keyword, or one of `constants` (a list as CssNameIsOneOf takes
// it; null for none).
const char kConstants[] = "e pi infinity -infinity nan ";

bool ReadNamedValue(const CssToken& t, const CssChannelKeywords* keywords, const char* constants,
                    double* value) {
    if (keywords) {
        for (int i = 0; i < 4 && keywords->names[i][0]; ++i) {
            if (CssNameIs(t, keywords->names[i])) {
                *value = keywords->values[i];
                return true;
            }
        }
    }
    if (!constants || !CssNameIsOneOf(t, constants)) return false;
    if (CssNameIs(t, "e")) *value = std::exp(1.0);
    else if (CssNameIs(t, "pi")) *value = kPi;
    else if (CssNameIs(t, "infinity")) *value = kInfinity;
    else if (CssNameIs(t, "-infinity")) *value = -kInfinity;
    else *value = kNaN;
    return true;
}

// One value of a calculation: a number, percentage, angle, name, block or
// math function; the stream moves past it.
CssReadResult ReadValue(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value) {
    const CssToken& t = stream->token;
    *value = {0, 0, 0};
    switch (t.type) {
    case CssTokenType::kNumber:
        value->value = t.value;
        break;
    case CssTokenType::kPercentage:
        value->value = t.value;
        value->percent = 1;
        break;
    case CssTokenType::kDimension: {
        const double perUnit = DegreesPerUnit(t);
        if (perUnit == 0) return CssReadResult::kNotAColour;
        value->value = t.value * perUnit;
        value->angle = 1;
        break;
    }
    case CssTokenType::kIdent:
        if (!ReadNamedValue(t, keywords, kConstants, &value->value)) return CssReadResult::kNotAColour;
        break;
    case CssTokenType::kOpenParen: {
        if (!EnterNesting(stream)) return CssReadResult::kRefused;
        AdvanceCssStream(stream);
        const CssReadResult result = ReadSum(stream, keywords, value);
        LeaveNesting(stream);
        if (result != CssReadResult::kColour) return result;
        if (stream->token.type != CssTokenType::kCloseParen) return CssReadResult::kNotAColour;
        break;
    }
    case CssTokenType::kFunction:
        if (!IsCssMathFunction(t)) return RejectCssFunction(stream);
        return ReadCssMathFunction(stream, keywords, value);
    default:
        return CssReadResult::kNotAColour;
    }
    AdvanceCssStream(stream);
    return CssReadResult::kColour;
}

// value (('*' | '/') value)*
CssReadResult ReadProduct(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value) {
    CssReadResult result = ReadValue(stream, keywords, value);
    while (result == CssReadResult::kColour &&
           (IsDelim(stream->token, '*') || IsDelim(stream->token, '/'))) {
        const bool divide = stream->token.delim == '/';
        AdvanceCssStream(stream);
        CssNumeric factor;
        result = ReadValue(stream, keywords, &factor);
        const int sign = divide ? -1 : 1;
        value->value = divide ? value->value / factor.value : value->value * factor.value;
        value->percent = static_cast<int8_t>(value->percent + sign * factor.percent);
        value->angle = static_cast<int8_t>(value->angle + sign * factor.angle);
        // Types stay within a few powers; beyond them no colour is meant.
        if (value->percent < -8 || value->percent > 8 || value->angle < -8 || value->angle > 8)
            return CssReadResult::kNotAColour;
    }
    return result;
}

// product ((' + ' | ' - ') product)*: the operators need blanks both sides.
CssReadResult ReadSum(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value) {
    CssReadResult result = ReadProduct(stream, keywords, value);
    while (result == CssReadResult::kColour &&
           (IsDelim(stream->token, '+') || IsDelim(stream->token, '-'))) {
        if (!stream->blankBefore || !BlankFollows(stream)) return CssReadResult::kNotAColour;
        const bool subtract = stream->token.delim == '-';
        AdvanceCssStream(stream);
        CssNumeric term;
        result = ReadProduct(stream, keywords, &term);
        if (result == CssReadResult::kColour && !SameType(*value, term)) return CssReadResult::kNotAColour;
        value->value = subtract ? value->value - term.value : value->value + term.value;
    }
    return result;
}

// One argument of a function: a sum, then ',' or the ')' that ends it.
// *last says which.
CssReadResult ReadArgument(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value,
                           bool* last) {
    const CssReadResult result = ReadSum(stream, keywords, value);
    if (result != CssReadResult::kColour) return result;
    if (stream->token.type == CssTokenType::kComma) {
        *last = false;
        AdvanceCssStream(stream);
        return CssReadResult::kColour;
    }
    *last = true;
    return stream->token.type == CssTokenType::kCloseParen ? CssReadResult::kColour
                                                           : CssReadResult::kNotAColour;
}

double NanAware(double a, double b, bool larger) {
    if (std::isnan(a) || std::isnan(b)) return kNaN;
    return larger ? (a > b ? a : b) : (a < b ? a : b);
}

enum class Rounding : uint8_t { kNearest, kUp, kDown, kToZero };

// round() as CSS defines it: the multiple of b nearest a in the strategy's
// direction; halfway goes up. Infinities and zeros as CSS lists them.
double Round(Rounding how, double a, double b) {
    if (b == 0 || std::isnan(a) || std::isnan(b) || (std::isinf(a) && std::isinf(b))) return kNaN;
    if (std::isinf(a)) return a;
    if (std::isinf(b)) {
        const bool negative = std::signbit(a);
        switch (how) {
        case Rounding::kUp:
            return !negative && a > 0 ? kInfinity : negative ? -0.0 : 0.0;
        case Rounding::kDown:
            return negative && a < 0 ? -kInfinity : negative ? -0.0 : 0.0;
        default:
            return negative ? -0.0 : 0.0;
        }
    }
    const double step = std::fabs(b), q = a / step;
    double n;
    switch (how) {
    case Rounding::kUp: n = std::ceil(q); break;
    case Rounding::kDown: n = std::floor(q); break;
    case Rounding::kToZero: n = std::trunc(q); break;
    default: {
        const double below = std::floor(q);
        n = q - below >= 0.5 ? below + 1 : below;
        break;
    }
    }
    const double result = n * step;
    return result == 0 ? std::copysign(0.0, a) : result;
}

// mod() takes the sign of b, rem() that of a.
double Remainder(bool modulus, double a, double b) {
    if (b == 0 || std::isinf(a) || std::isnan(a) || std::isnan(b)) return kNaN;
    if (std::isinf(b)) {
        if (modulus && a != 0 && std::signbit(a) != std::signbit(b)) return kNaN;
        if (modulus && a == 0 && std::signbit(a) != std::signbit(b)) return kNaN;
        return a;
    }
    double r = std::fmod(a, b);
    if (modulus && r != 0 && (r < 0) != (b < 0)) r += b;
    return r;
}

// tan() of an angle whose tangent is infinite is infinite, not a large number.
double Tangent(double degrees) {
    const double turn = std::fmod(degrees, 360);
    if (turn == 90 || turn == -270) return kInfinity;
    if (turn == -90 || turn == 270) return -kInfinity;
    return std::tan(degrees * kPi / 180);
}

// The degrees of sin(), cos() and tan()'s argument: a number is radians.
bool Degrees(const CssNumeric& v, double* degrees) {
    if (IsCssNumber(v)) *degrees = v.value * 180 / kPi;
    else if (IsCssAngle(v)) *degrees = v.value;
    else return false;
    return true;
}

bool ReadRounding(const CssToken& t, Rounding* how) {
    if (t.type != CssTokenType::kIdent) return false;
    if (CssNameIs(t, "nearest")) *how = Rounding::kNearest;
    else if (CssNameIs(t, "up")) *how = Rounding::kUp;
    else if (CssNameIs(t, "down")) *how = Rounding::kDown;
    else if (CssNameIs(t, "to-zero")) *how = Rounding::kToZero;
    else return false;
    return true;
}

// The arguments of a function: round()'s strategy (nearest unless given),
// then up to three values, each typed; `none` is kept apart for clamp().
// min(), max() and hypot() take any number of values, folded into the first
// as they come. Stops on the ')' that closes the function.
constexpr int kMaxArguments = 3;

struct MathArguments {
    CssNumeric values[kMaxArguments];
    bool none[kMaxArguments];
    int count;
    Rounding how;
};

// Folds `next` into the running value of min(), max() or hypot(); false
// when their types differ.
bool Fold(MathFunction function, const CssNumeric& next, CssNumeric* running) {
    if (!SameType(*running, next)) return false;
    if (function == MathFunction::kHypot)
        running->value = std::hypot(running->value, next.value);
    else
        running->value = NanAware(running->value, next.value, function == MathFunction::kMax);
    return true;
}

CssReadResult ReadArguments(CssStream* stream, const CssChannelKeywords* keywords,
                            MathFunction function, MathArguments* args) {
    const bool variadic = function == MathFunction::kMin || function == MathFunction::kMax ||
                          function == MathFunction::kHypot;
    args->count = 0;
    args->how = Rounding::kNearest;
    if (function == MathFunction::kRound && ReadRounding(stream->token, &args->how)) {
        AdvanceCssStream(stream);
        if (stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
    }
    for (bool last = false; !last;) {
        CssNumeric value;
        bool none = false;
        const CssToken& t = stream->token;
        if (function == MathFunction::kClamp && t.type == CssTokenType::kIdent && CssNameIs(t, "none")) {
            none = true;
            value = {0, 0, 0};
            AdvanceCssStream(stream);
            last = stream->token.type == CssTokenType::kCloseParen;
            if (!last && stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
            if (!last) AdvanceCssStream(stream);
        } else {
            const CssReadResult result = ReadArgument(stream, keywords, &value, &last);
            if (result != CssReadResult::kColour) return result;
        }
        if (variadic && args->count == 1) {
            if (!Fold(function, value, &args->values[0])) return CssReadResult::kNotAColour;
            continue;
        }
        if (args->count == kMaxArguments) return CssReadResult::kNotAColour;
        args->values[args->count] = value;
        args->none[args->count] = none;
        ++args->count;
    }
    if (function == MathFunction::kHypot) args->values[0].value = std::fabs(args->values[0].value);
    return CssReadResult::kColour;
}

// The function's result from its arguments, or false when their number or
// types are wrong for it.
bool Evaluate(MathFunction function, const MathArguments& args, CssNumeric* result) {
    const CssNumeric* v = args.values;
    const int n = args.count;
    *result = v[0];
    double degrees = 0;
    switch (function) {
    case MathFunction::kCalc:
    case MathFunction::kMin:
    case MathFunction::kMax:
    case MathFunction::kHypot:
        return n == 1;
    case MathFunction::kClamp:
        if (n != 3 || args.none[1] || (!args.none[0] && !SameType(v[0], v[1])) ||
            (!args.none[2] && !SameType(v[1], v[2])))
            return false;
        *result = v[1];
        if (!args.none[2]) result->value = NanAware(result->value, v[2].value, false);
        if (!args.none[0]) result->value = NanAware(result->value, v[0].value, true);
        return true;
    case MathFunction::kRound:
        if (n == 1) {
            // Without a step, only a number rounds, to whole numbers.
            if (!IsCssNumber(v[0])) return false;
            result->value = Round(args.how, v[0].value, 1);
            return true;
        }
        if (n != 2 || !SameType(v[0], v[1])) return false;
        result->value = Round(args.how, v[0].value, v[1].value);
        return true;
    case MathFunction::kMod:
    case MathFunction::kRem:
        if (n != 2 || !SameType(v[0], v[1])) return false;
        result->value = Remainder(function == MathFunction::kMod, v[0].value, v[1].value);
        return true;
    case MathFunction::kAbs:
        result->value = std::fabs(v[0].value);
        return n == 1;
    case MathFunction::kSign:
        *result = {v[0].value > 0 ? 1.0 : v[0].value < 0 ? -1.0 : v[0].value, 0, 0};
        return n == 1;
    case MathFunction::kSin:
    case MathFunction::kCos:
    case MathFunction::kTan:
        if (n != 1 || !Degrees(v[0], &degrees)) return false;
        result->angle = 0;
        result->value = function == MathFunction::kTan ? Tangent(degrees)
                        : function == MathFunction::kSin ? std::sin(degrees * kPi / 180)
                                                         : std::cos(degrees * kPi / 180);
        return true;
    case MathFunction::kAsin:
    case MathFunction::kAcos:
    case MathFunction::kAtan:
        if (n != 1 || !IsCssNumber(v[0])) return false;
        result->angle = 1;
        result->value = (function == MathFunction::kAsin   ? std::asin(v[0].value)
                         : function == MathFunction::kAcos ? std::acos(v[0].value)
                                                           : std::atan(v[0].value)) *
                        180 / kPi;
        return true;
    case MathFunction::kAtan2:
        if (n != 2 || !SameType(v[0], v[1])) return false;
        *result = {std::atan2(v[0].value, v[1].value) * 180 / kPi, 0, 1};
        return true;
    case MathFunction::kPow:
        if (n != 2 || !IsCssNumber(v[0]) || !IsCssNumber(v[1])) return false;
        result->value = std::pow(v[0].value, v[1].value);
        return true;
    case MathFunction::kSqrt:
        result->value = std::sqrt(v[0].value);
        return n == 1 && IsCssNumber(v[0]);
    case MathFunction::kLog:
        if ((n != 1 && n != 2) || !IsCssNumber(v[0]) || (n == 2 && !IsCssNumber(v[1]))) return false;
        result->value = n == 1 ? std::log(v[0].value) : std::log(v[0].value) / std::log(v[1].value);
        return true;
    case MathFunction::kExp:
        result->value = std::exp(v[0].value);
        return n == 1 && IsCssNumber(v[0]);
    }
    return false;
}

}  // namespace

bool IsCssMathFunction(const CssToken& token) { return FindMathFunction(token) != nullptr; }

double CensoredCssValue(double value) {
    if (std::isnan(value)) return 0;
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

CssReadResult ReadCssMathFunction(CssStream* stream, const CssChannelKeywords* keywords,
                                  CssNumeric* value) {
    const MathName* name = FindMathFunction(stream->token);
    if (!name) return CssReadResult::kNotAColour;
    if (!EnterNesting(stream)) return CssReadResult::kRefused;
    AdvanceCssStream(stream);
    MathArguments args;
    CssReadResult result = ReadArguments(stream, keywords, name->function, &args);
    LeaveNesting(stream);
    if (result != CssReadResult::kColour) return result;
    if (!Evaluate(name->function, args, value)) return CssReadResult::kNotAColour;
    AdvanceCssStream(stream);  // past the ')'
    return CssReadResult::kColour;
}

void StartCssStream(const char* text, size_t length, ColourScheme scheme, CssReading* reading,
                    CssStream* stream) {
    stream->tokens = {text, text + length};
    stream->open = 0;
    stream->depth = 0;
    stream->scheme = scheme;
    stream->reading = reading;
    stream->blankBefore = false;
    NextCssToken(&stream->tokens, false, &stream->token);
    if (stream->token.type == CssTokenType::kFunction || stream->token.type == CssTokenType::kOpenParen)
        ++stream->open;
}

void AdvanceCssStream(CssStream* stream) {
    NextCssToken(&stream->tokens, false, &stream->token);
    stream->blankBefore = stream->token.type == CssTokenType::kWhitespace;
    if (stream->blankBefore) NextCssToken(&stream->tokens, false, &stream->token);
    switch (stream->token.type) {
    case CssTokenType::kFunction:
    case CssTokenType::kOpenParen:
        ++stream->open;
        break;
    case CssTokenType::kCloseParen:
        --stream->open;
        break;
    default:
        break;
    }
}

// Functions whose value needs a document, as one text, each name ended by a
// space: no table of pointers for the program to carry.
const char kDocumentFunctions[] = "var env attr alpha sibling-index sibling-count ";

CssReadResult RejectCssFunction(CssStream* stream) {
    const CssToken& t = stream->token;
    if (CssNameIsOneOf(t, kDocumentFunctions)) return RefuseCss(stream->reading, t.name, "() is not supported");
    return CssReadResult::kNotAColour;
}

bool EnterNesting(CssStream* stream) {
    static_assert(kCssMaxNesting == 32, "the refusal names the limit");
    if (stream->depth == kCssMaxNesting) {
        RefuseCss(stream->reading, "more than 32 nested functions", " are not supported");
        return false;
    }
    ++stream->depth;
    return true;
}

CssReadResult RefuseCss(CssReading* reading, const char* what, const char* reason) {
    std::strncpy(reading->refusal, what, kCssRefusalCapacity - 1);
    reading->refusal[kCssRefusalCapacity - 1] = '\0';
    std::strncat(reading->refusal, reason, kCssRefusalCapacity - 1 - std::strlen(reading->refusal));
    return CssReadResult::kRefused;
}

CssReadResult ReadCssComponent(CssStream* stream, const CssChannelKeywords* keywords, CssNumeric* value,
                               bool* none) {
    const CssToken& t = stream->token;
    *none = false;
    *value = {0, 0, 0};
    switch (t.type) {
    case CssTokenType::kIdent:
        // `none`, or a channel keyword alone; a constant only inside a calculation.
        *none = CssNameIs(t, "none");
        if (!*none && !(keywords && ReadNamedValue(t, keywords, nullptr, &value->value)))
            return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
        return CssReadResult::kColour;
    case CssTokenType::kOpenParen:
        return CssReadResult::kNotAColour;
    default:
        return ReadValue(stream, keywords, value);
    }
}

// The typed notations: what each reader accepts, the channels it gives, and that
// a rejected text leaves the record alone.
#include <gtest/gtest.h>

#include <cstring>

#include "notation_parse.h"

namespace {

struct ParseCase {
    const char* text;
    int result;
    int red, green, blue;
};

using Parser = int (*)(const char*, ColorRecord*);

// A recognisable record, so a write to any byte shows.
constexpr ColorRecord kSentinel = {0x11, 0x22, 0x33, 0x44};

void ExpectAccepted(Parser parse, const ParseCase& c) {
    SCOPED_TRACE(c.text);
    ColorRecord record = kSentinel;
    EXPECT_EQ(parse(c.text, &record), c.result);
    EXPECT_EQ(record.red, c.red);
    EXPECT_EQ(record.green, c.green);
    EXPECT_EQ(record.blue, c.blue);
    EXPECT_EQ(record.notation, kSentinel.notation);
}

void ExpectRejected(Parser parse, const char* text) {
    SCOPED_TRACE(text);
    ColorRecord record = kSentinel;
    EXPECT_EQ(parse(text, &record), 0);
    EXPECT_EQ(std::memcmp(&record, &kSentinel, sizeof record), 0);
}

TEST(HexDigit, ClassifiesAndValuesTheBoundaries) {
    const struct {
        char c;
        int isHex, value;
    } cases[] = {
        {'0', 1, 0},  {'9', 1, 9}, {'A', 1, 10}, {'F', 1, 15}, {'a', 1, 10},
        {'f', 1, 15}, {'/', 0, 0}, {':', 0, 0},  {'@', 0, 0},  {'G', 0, 0},
        {'`', 0, 0},  {'g', 0, 0}, {'\0', 0, 0}, {' ', 0, 0},  {'\xe9', 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.c));
        EXPECT_EQ(IsHexDigit(c.c), c.isHex);
        EXPECT_EQ(HexDigitValue(c.c), c.value);
    }
}

TEST(ParseHexNotation, AcceptsOnlyTheShortAndLongForms) {
    const ParseCase accepted[] = {
        {"#0FF", 1, 0, 255, 255},    {"#0ff", 1, 0, 255, 255},    {"#a5F", 1, 170, 85, 255},
        {"#00ffff", 2, 0, 255, 255}, {"#FF8800", 2, 255, 136, 0}, {"#123456", 2, 0x12, 0x34, 0x56},
        {"#000000", 2, 0, 0, 0},
    };
    for (const ParseCase& c : accepted) ExpectAccepted(ParseHexNotation, c);

    const char* const rejected[] = {
        "",       "#",    "#0f",     "#00ff", "#00fff", "#00ffff0", "0ff",
        "00ffff", "#0fg", "#00fffg", "##0ff", " #0ff",  "#0ff ",    "#0 ff",
    };
    for (const char* text : rejected) ExpectRejected(ParseHexNotation, text);
}

TEST(ParseDecimalTriple, AcceptsThreeBytesInBrackets) {
    const ParseCase accepted[] = {
        {"(0,255,255)", 1, 0, 255, 255},
        {"(255,136,0)", 1, 255, 136, 0},
        {"(0,255,255)abc", 1, 0, 255, 255},  // text after the ')' is ignored
        {"(1,2,3))", 1, 1, 2, 3},
        {"(,,)", 1, 0, 0, 0},
        {"(,7,)", 1, 0, 7, 0},
        {"(000255,0010,00)", 1, 255, 10, 0},
        {"(00000000000000000001,2,3)", 1, 1, 2, 3},
    };
    for (const ParseCase& c : accepted) ExpectAccepted(ParseDecimalTriple, c);

    const char* const rejected[] = {
        "(0,256,0)",
        "(2550,0,0)",
        "(99999999999999999999,0,0)",
        "(0, 255, 255)",
        " (0,255,255)",
        "(1,2)",
        "(1,2,3,4)",
        "(1,2,3",
        "(1,2,3%)",
        "(-1,2,3)",
        "1,2,3)",
        "(",
        "",
    };
    for (const char* text : rejected) ExpectRejected(ParseDecimalTriple, text);
}

TEST(ParsePercentTriple, AcceptsThreePercentagesInBrackets) {
    const ParseCase accepted[] = {
        {"(0%,100%,100%)", 1, 0, 255, 255}, {"(50%,50%,50%)", 1, 127, 127, 127},  // 127.5 truncates
        {"(1%,2%,99%)", 1, 2, 5, 252},      {"(%,%,%)", 1, 0, 0, 0},
        {"(0100%,007%,0%)", 1, 255, 17, 0},
    };
    for (const ParseCase& c : accepted) ExpectAccepted(ParsePercentTriple, c);

    const char* const rejected[] = {
        "(0%,100%,100%) ",  // unlike the decimal triple, nothing may follow
        "(0%,100%,100%)x",
        "(101%,0%,0%)",
        "(1000%,0%,0%)",
        "(0,100%,100%)",
        "(0%,100%,100)",
        "(0%,100%,100%",
        "(0%,100%)",
        "(0%,1%,2%,3%)",
        "(0% ,1%,2%)",
        "(0%%,1%,2%)",
        "(0%,1%,2%%)",
        "(,,)",
        "()",
        "(",
        "",
    };
    for (const char* text : rejected) ExpectRejected(ParsePercentTriple, text);
}

}  // namespace

TEST(ParseHexChannel, AcceptsHexDigitsUpTo255) {
    const struct {
        const char* text;
        int result, value;
    } cases[] = {
        {"0", 1, 0},          {"a", 1, 10},  {"FF", 1, 255}, {"0ff", 1, 255},
        {"000000ff", 1, 255}, {"100", 0, 0}, {"fff", 0, 0},  {"", 0, 0},
        {"g0", 0, 0},         {" f", 0, 0},  {"f ", 0, 0},   {"-1", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t value = 77;
        EXPECT_EQ(ParseHexChannel(c.text, &value), c.result);
        EXPECT_EQ(value, c.result ? c.value : 77);
    }
}

// What the platform's integer reading would take from a paste (blanks, a sign,
// an exponent, trailing letters) is no number here.
TEST(ParseDecimalChannel, AcceptsOneToThreeDigitsUpToTheLimit) {
    const struct {
        const char* text;
        int limit, result, value;
    } cases[] = {
        {"0", 255, 1, 0},   {"007", 255, 1, 7}, {"255", 255, 1, 255}, {"239", 239, 1, 239},
        {"256", 255, 0, 0}, {"240", 239, 0, 0}, {"0255", 255, 0, 0},  {"", 255, 0, 0},
        {"1e2", 255, 0, 0}, {" 12", 255, 0, 0}, {"12 ", 255, 0, 0},   {"+5", 255, 0, 0},
        {"-0", 255, 0, 0},  {"4x", 255, 0, 0},  {"\xb2", 255, 0, 0},  {"0x1", 255, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t value = 77;
        EXPECT_EQ(ParseDecimalChannel(c.text, c.limit, &value), c.result);
        EXPECT_EQ(value, c.result ? c.value : 77);
    }
}

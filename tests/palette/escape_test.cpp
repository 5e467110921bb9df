// palorin-cli's JSON strings: valid UTF-8 comes back as it is, each byte that
// is no part of a valid character becomes one U+FFFD, controls are escaped.
#include <gtest/gtest.h>

#include <string>

#include "escape.h"

namespace {

TEST(JsonEscaping, ValidUtf8StaysAndEachInvalidByteBecomesOneReplacement) {
    const std::string r = "\xef\xbf\xbd";  // U+FFFD
    const struct {
        const char* what;
        std::string input, json;
    } rows[] = {
        {"ASCII, a quote, a backslash, controls", "a\"\\\t\x7f", "a\\\"\\\\\\u0009\\u007f"},
        {"two, three and four bytes", "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
         "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"the ends of the ranges", "\xc2\x80 \xed\x9f\xbf \xee\x80\x80 \xf4\x8f\xbf\xbf",
         "\xc2\x80 \xed\x9f\xbf \xee\x80\x80 \xf4\x8f\xbf\xbf"},
        {"stray continuation bytes", "\x80\xbf", r + r},
        {"bytes that start no character", "\xc0\xc1\xf5\xff", r + r + r + r},
        {"overlong", "\xc0\xaf \xe0\x9f\xbf \xf0\x8f\xbf\xbf",
         r + r + " " + r + r + r + " " + r + r + r + r},
        {"a surrogate", "\xed\xa0\x80", r + r + r},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", r + r + r + r},
        {"cut short by the next byte and by the end", "\xe2\x82x\xf0\x9f\x98",
         r + r + "x" + r + r + r},
    };
    for (const auto& row : rows) {
        std::string out(row.input.size() * kMaxEscapedByteSize, '\0');
        const char* end =
            PutEscaped(row.input.data(), row.input.size(), EscapeStyle::kJson, &out[0]);
        out.resize(static_cast<size_t>(end - out.data()));
        EXPECT_EQ(out, row.json) << row.what;
    }
}

}  // namespace

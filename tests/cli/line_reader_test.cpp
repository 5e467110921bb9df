// palorin-cli's line reader on a source that fails in the middle of a long
// line: the failure is reported and sticks, and the rest of that line never
// comes back as a line of its own.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "line_reader.h"

namespace {

// Hands out one part a read; a null part is a failed read, and after the last
// the input ends.
struct Parts {
    std::vector<const char*> parts;
    size_t asked;
};

long ReadPart(void* context, char* into, size_t size) {
    Parts* source = static_cast<Parts*>(context);
    if (source->asked == source->parts.size()) return 0;
    const char* part = source->parts[source->asked++];
    if (!part) return -1;
    const size_t length = std::strlen(part) < size ? std::strlen(part) : size;
    std::memcpy(into, part, length);
    return static_cast<long>(length);
}

TEST(LineReader, AFailedReadEndsTheInputForGood) {
    Parts source = {{"abcd", nullptr, "ef\n", "gh\n"}, 0};
    char buffer[5];
    LineReader reader;
    StartLineReader(&reader, ReadPart, &source, buffer, 4);
    LinePiece piece;
    ASSERT_EQ(NextLinePiece(&reader, &piece), 1);
    EXPECT_EQ(std::string(piece.text, piece.length), "abcd");
    EXPECT_FALSE(piece.endsLine);
    EXPECT_EQ(NextLinePiece(&reader, &piece), 0);
    EXPECT_TRUE(reader.failed);
    EXPECT_EQ(NextLinePiece(&reader, &piece), 0) << "the rest of the line came back as a line";
    EXPECT_EQ(source.asked, 2u) << "the source was asked again after it failed";
}

}  // namespace

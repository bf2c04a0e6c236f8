#include "scanner/CharacterSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFile.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;
// Longer than any file of these tests, so that a source that never ends fails instead of hanging.
constexpr std::size_t kReadLimit = 1 << 16;

// Returns printable bytes without line ends, in a pattern that does not repeat within a block.
std::string PatternBytes(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>(32 + (i * 7 + i / 97) % 90));
    }
    return bytes;
}

std::vector<int> Characters(const std::string& bytes) {
    return std::vector<int>(reinterpret_cast<const unsigned char*>(bytes.data()),
                            reinterpret_cast<const unsigned char*>(bytes.data()) + bytes.size());
}

// Reads up to the end value and checks that the reads after it deliver it again.
std::vector<int> ReadToEnd(CharacterSource& source) {
    std::vector<int> characters;
    for (int c = source.NextChar(); c != kEnd && characters.size() < kReadLimit;
         c = source.NextChar()) {
        characters.push_back(c);
    }
    EXPECT_EQ(source.NextChar(), kEnd);
    EXPECT_EQ(source.NextChar(), kEnd);
    return characters;
}

std::vector<int> ReadAll(const std::string& bytes, bool ebcdic = false) {
    TempFile file(bytes);
    CharacterSource source(file.Path(), ebcdic);
    return ReadToEnd(source);
}

TEST(CharacterSource, DeliversEveryByteOnceInOrderThenEndForGood) {
    for (std::size_t size : {0, 1, 2047, 2048, 2049, 4096, 4097}) {
        const std::string bytes = PatternBytes(size);
        EXPECT_EQ(ReadAll(bytes), Characters(bytes)) << size;
    }
}

TEST(CharacterSource, PushbackTakesBackEndValuesBeforeRealCharacters) {
    TempFile file("ab");
    CharacterSource source(file.Path(), false);
    const int expected[] = {'a', 'b', kEnd, 'b', kEnd, kEnd, kEnd, kEnd};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(source.NextChar(), expected[i]) << i;
        if (i == 2 || i == 5) {
            source.UngetChars(2);
        }
    }
}

TEST(CharacterSource, DropsOnlyACarriageReturnDirectlyBeforeALineFeed) {
    EXPECT_EQ(ReadAll("A\r\nB\rC\r\r\nD\r"), Characters("A\nB\rC\r\nD\r"));
    // The same where the carriage return ends a block.
    const std::pair<std::string, std::string> tails[] = {
        {"\r\nxy", "\nxy"}, {"\rxy", "\rxy"}, {"\r", "\r"}, {"\r\xFF", "\r"}};
    const std::string head = PatternBytes(2047);
    for (const auto& [tail, expected] : tails) {
        EXPECT_EQ(ReadAll(head + tail), Characters(head + expected));
    }
}

TEST(CharacterSource, DecodesEbcdicThroughTheAsciiTable) {
    // 0x15, 0xFF, 0x0A and 0x41 encode no ASCII character; 0x0D 0x25 is a carriage return line
    // feed.
    EXPECT_EQ(ReadAll("\xE7\xF1\xF0\x25\x15\xFF\x0A\x41\xC1\x0D\x25\xC2\x0D\xC3", true),
              Characters("X10\n    A\nB\rC"));
}

}  // namespace

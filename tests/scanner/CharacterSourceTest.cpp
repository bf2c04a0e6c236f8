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

TEST(CharacterSource, PushbackAroundBlockBoundariesRedeliversTheSameBytesWithoutRereading) {
    const std::string bytes = PatternBytes(4097);
    for (int consumed : {1, 2, 3, 2047, 2048, 2049, 2050, 4095, 4096, 4097}) {
        for (int count = 1; count <= 2 && count <= consumed; ++count) {
            TempFile file(bytes);
            CharacterSource source(file.Path(), false);
            for (int i = 0; i < consumed; ++i) {
                source.NextChar();
            }
            source.UngetChars(count);
            EXPECT_EQ(ReadToEnd(source), Characters(bytes.substr(consumed - count)))
                << "consumed " << consumed << ", pushback " << count;
        }
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
    std::string printable;
    for (char c = ' '; c <= '~'; ++c) {
        printable.push_back(c);
    }
    const std::string encoded =
        "\x40\x5A\x7F\x7B\x5B\x6C\x50\x7D\x4D\x5D\x5C\x4E\x6B\x60\x4B\x61\xF0\xF1\xF2\xF3\xF4\xF5"
        "\xF6\xF7\xF8\xF9\x7A\x5E\x4C\x7E\x6E\x6F\x7C\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2"
        "\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xAD\xE0\xDB\x5F\x6D\x79\x81"
        "\x82\x83\x84\x85\x86\x87\x88\x89\x91\x92\x93\x94\x95\x96\x97\x98\x99\xA2\xA3\xA4\xA5\xA6"
        "\xA7\xA8\xA9\xC0\x4F\xD0\xA1";
    EXPECT_EQ(ReadAll(encoded, true), Characters(printable));
}

// Reads count characters and returns each with the line number after it, to compare two sources.
std::vector<std::pair<int, int>> Trail(CharacterSource& source, int count) {
    std::vector<std::pair<int, int>> trail;
    for (int i = 0; i < count; ++i) {
        const int c = source.NextChar();
        trail.emplace_back(c, source.LineNumber());
    }
    return trail;
}

// Bytes with line feeds and digit runs that fall on both sides of the first block boundary.
std::string BoundaryBytes() {
    std::string bytes = PatternBytes(2036);
    for (int i = 0; i < 6; ++i) {
        bytes += "\nX-12\n\nY7" + std::string(static_cast<std::size_t>(i), '4');
    }
    return bytes;
}

TEST(CharacterSource, LookAheadActsAsTwoReadsAndAPushbackEverywhere) {
    const std::string bytes = BoundaryBytes();
    TempFile file(bytes);
    for (int consumed = 2030; consumed < static_cast<int>(bytes.size()) + 2; ++consumed) {
        for (int pushback = 0; pushback <= 2; ++pushback) {
            CharacterSource looking(file.Path(), false);
            CharacterSource reading(file.Path(), false);
            Trail(looking, consumed);
            Trail(reading, consumed);
            looking.UngetChars(pushback);
            reading.UngetChars(pushback);
            const bool found = looking.LookAheadIs('X', '-');
            const int first = reading.NextChar();
            const int second = reading.NextChar();
            reading.UngetChars(2);
            EXPECT_EQ(found, first == 'X' && second == '-');
            EXPECT_EQ(looking.LineNumber(), reading.LineNumber());
            EXPECT_EQ(Trail(looking, 12), Trail(reading, 12))
                << "consumed " << consumed << ", pushback " << pushback;
        }
    }
}

}  // namespace

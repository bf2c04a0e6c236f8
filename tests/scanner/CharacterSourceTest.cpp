#include "scanner/CharacterSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFile.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;

// Returns size printable bytes without line ends, in a pattern that does not repeat within a block.
std::string PatternBytes(int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>(32 + (i * 7 + i / 97) % 90));
    }
    return bytes;
}

std::vector<int> Characters(const std::string& bytes) {
    std::vector<int> characters;
    for (const char byte : bytes) {
        characters.push_back(static_cast<unsigned char>(byte));
    }
    return characters;
}

// Longer than any file of these tests, so that a source that never ends fails instead of hanging.
constexpr std::size_t kReadLimit = 1 << 16;

// Reads up to the end value and checks that reads after it keep delivering it.
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

class CharacterSourceSize : public testing::TestWithParam<int> {};

TEST_P(CharacterSourceSize, DeliversEveryByteOnceInOrderThenEndForGood) {
    const std::string bytes = PatternBytes(GetParam());
    EXPECT_EQ(ReadAll(bytes), Characters(bytes));
}

INSTANTIATE_TEST_SUITE_P(BlockBoundaries, CharacterSourceSize,
                         testing::Values(0, 1, 2047, 2048, 2049, 4095, 4096, 4097, 6144));

TEST(CharacterSource, PushbackAtEveryPositionAroundBlockBoundariesRedeliversTheSameBytes) {
    const std::string bytes = PatternBytes(4097);
    const std::vector<int> expected = Characters(bytes);
    for (int consumed : {1, 2, 3, 2046, 2047, 2048, 2049, 2050, 4094, 4095, 4096, 4097}) {
        for (int count = 1; count <= 2 && count <= consumed; ++count) {
            SCOPED_TRACE("consumed " + std::to_string(consumed) + ", pushback " +
                         std::to_string(count));
            TempFile file(bytes);
            CharacterSource source(file.Path(), false);
            for (int i = 0; i < consumed; ++i) {
                ASSERT_EQ(source.NextChar(), expected[static_cast<std::size_t>(i)]);
            }
            source.UngetChars(count);
            const std::vector<int> rest(expected.begin() + (consumed - count), expected.end());
            EXPECT_EQ(ReadToEnd(source), rest);
        }
    }
}

TEST(CharacterSource, RepeatedPushbackRightAfterARefillNeverRereadsTheFile) {
    const std::string bytes = PatternBytes(4097);
    TempFile file(bytes);
    CharacterSource source(file.Path(), false);
    for (int i = 0; i < 2049; ++i) {
        source.NextChar();
    }
    // Back into the previous block, forward into the current one, and back again.
    for (int round = 0; round < 3; ++round) {
        source.UngetChars(2);
        EXPECT_EQ(source.NextChar(), static_cast<unsigned char>(bytes[2047]));
        EXPECT_EQ(source.NextChar(), static_cast<unsigned char>(bytes[2048]));
    }
    const std::vector<int> expected = Characters(bytes.substr(2049));
    EXPECT_EQ(ReadToEnd(source), expected);
}

TEST(CharacterSource, PushbackTakesBackEndValuesBeforeRealCharacters) {
    TempFile file("ab");
    CharacterSource source(file.Path(), false);
    EXPECT_EQ(source.NextChar(), 'a');
    EXPECT_EQ(source.NextChar(), 'b');
    EXPECT_EQ(source.NextChar(), kEnd);
    source.UngetChars(2);
    EXPECT_EQ(source.NextChar(), 'b');
    EXPECT_EQ(source.NextChar(), kEnd);
    EXPECT_EQ(source.NextChar(), kEnd);
    source.UngetChars(2);
    EXPECT_EQ(source.NextChar(), kEnd);
    EXPECT_EQ(source.NextChar(), kEnd);
}

TEST(CharacterSource, EmptyAndMissingFilesDeliverOnlyTheEndValue) {
    TempFile file("");
    CharacterSource empty(file.Path(), false);
    EXPECT_TRUE(empty.IsOpen());
    EXPECT_EQ(empty.NextChar(), kEnd);
    CharacterSource missing("/nonexistent/perforex/none.drl", false);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.NextChar(), kEnd);
    EXPECT_EQ(missing.LineNumber(), 1);
}

TEST(CharacterSource, CountsALineFeedOnlyTheFirstTimeItIsDelivered) {
    TempFile file("X100\nY\n");
    CharacterSource source(file.Path(), false);
    for (const char expected : std::string("X100\n")) {
        EXPECT_EQ(source.NextChar(), expected);
    }
    EXPECT_EQ(source.LineNumber(), 2);
    source.UngetChars(1);
    EXPECT_EQ(source.LineNumber(), 2);
    EXPECT_EQ(source.NextChar(), '\n');
    EXPECT_EQ(source.NextChar(), 'Y');
    source.UngetChars(2);
    EXPECT_EQ(source.NextChar(), '\n');
    EXPECT_EQ(source.NextChar(), 'Y');
    EXPECT_EQ(source.LineNumber(), 2);
    EXPECT_EQ(source.NextChar(), '\n');
    EXPECT_EQ(source.LineNumber(), 3);
}

TEST(CharacterSource, CountsALineFeedPushedBackAcrossABlockBoundaryOnce) {
    std::string bytes = PatternBytes(2100);
    bytes[2047] = '\n';
    TempFile file(bytes);
    CharacterSource source(file.Path(), false);
    for (int i = 0; i < 2049; ++i) {
        source.NextChar();
    }
    EXPECT_EQ(source.LineNumber(), 2);
    source.UngetChars(2);
    EXPECT_EQ(source.NextChar(), '\n');
    EXPECT_EQ(source.LineNumber(), 2);
    ReadToEnd(source);
    EXPECT_EQ(source.LineNumber(), 2);
}

TEST(CharacterSource, DropsOnlyACarriageReturnDirectlyBeforeALineFeed) {
    const std::string expected = "A\nB\rC\r\nD\r";
    EXPECT_EQ(ReadAll("A\r\nB\rC\r\r\nD\r"), Characters(expected));
}

TEST(CharacterSource, DropsACarriageReturnWhoseLineFeedStartsTheNextBlock) {
    struct Case {
        std::string tail;
        std::string expected;
    };
    const Case cases[] = {{"\r\nxy", "\nxy"}, {"\rxy", "\rxy"}, {"\r", "\r"}, {"\r\xFF", "\r"}};
    for (const Case& c : cases) {
        const std::string head = PatternBytes(2047);
        EXPECT_EQ(ReadAll(head + c.tail), Characters(head + c.expected));
    }
}

TEST(CharacterSource, AsciiByteFFEndsTheInputForGood) {
    EXPECT_EQ(ReadAll("AB\xFF"
                      "CD"),
              Characters("AB"));
    const std::string head = PatternBytes(3000);
    EXPECT_EQ(ReadAll(head + "\xFF" + head), Characters(head));

    TempFile file(
        "AB\xFF"
        "CD");
    CharacterSource source(file.Path(), false);
    source.NextChar();
    EXPECT_EQ(source.NextChar(), 'B');
    EXPECT_EQ(source.NextChar(), kEnd);
    source.UngetChars(2);
    EXPECT_EQ(source.NextChar(), 'B');
    EXPECT_EQ(source.NextChar(), kEnd);
}

TEST(CharacterSource, DecodesEbcdicThroughTheAsciiTable) {
    EXPECT_EQ(ReadAll("\xE7\xF1\xF0\x25", true), Characters("X10\n"));
    // Bytes that encode no ASCII character, the EBCDIC new line 0x15 and 0xFF among them.
    EXPECT_EQ(ReadAll("\x15\xFF\x0A\x41", true), Characters("    "));
    EXPECT_EQ(ReadAll("\xC1\x0D\x25\xC2\x0D\xC3", true), Characters("A\nB\rC"));

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

TEST(CharacterSource, CountsEbcdicLineFeeds) {
    TempFile file("\xE7\x25\xE8\x25");
    CharacterSource source(file.Path(), true);
    ReadToEnd(source);
    EXPECT_EQ(source.LineNumber(), 3);
}

}  // namespace

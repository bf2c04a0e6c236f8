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

TEST(CharacterSource, LookAheadCountsTheLineFeedsItPassesOnce) {
    TempFile file("X\n\nY");
    CharacterSource source(file.Path(), false);
    EXPECT_EQ(source.NextChar(), 'X');
    EXPECT_TRUE(source.LookAheadIs('\n', '\n'));
    EXPECT_EQ(source.LineNumber(), 3);
    EXPECT_FALSE(source.LookAheadIs('\n', 'Y'));
    EXPECT_EQ(Trail(source, 4),
              (std::vector<std::pair<int, int>>{{'\n', 3}, {'\n', 3}, {'Y', 3}, {kEnd, 3}}));
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

TEST(CharacterSource, DigitRunHoldsItsTextAndValueOnBothSidesOfABlockBoundary) {
    for (std::size_t lead = 2035; lead <= 2050; ++lead) {
        TempFile file(std::string(lead, ' ') + "X1234567890123456789\n.");
        CharacterSource source(file.Path(), false);
        Trail(source, static_cast<int>(lead) + 2);
        int after = 0;
        const CharacterSource::DigitRun run = source.ReadDigitRun('1', after);
        EXPECT_EQ(run.text, "1234567890123456789") << lead;
        EXPECT_EQ(run.value, 1234567890123456789u) << lead;
        EXPECT_EQ(after, '\n');
        EXPECT_EQ(source.LineNumber(), 2);
        source.UngetChars(1);
        EXPECT_EQ(Trail(source, 2), (std::vector<std::pair<int, int>>{{'\n', 2}, {'.', 2}}));
    }
}

// Reads the number after the letter just delivered one step at a time, as the scanner's general
// path does: look-ahead, sign or first digit, digit run, pushback of the character after it.
CharacterSource::NumberText ReadNumberStepByStep(CharacterSource& source) {
    CharacterSource::NumberText number;
    source.LookAheadIs('0', '4');
    int c = source.NextChar();
    if (c == '-') {
        number.sign = -1;
        c = source.NextChar();
    }
    if (c >= '0' && c <= '9') {
        number.digits = source.ReadDigitRun(c, c);
    }
    number.after = c;
    source.UngetChars(1);
    return number;
}

TEST(CharacterSource, NumberInBlockActsAsReadingItStepByStep) {
    const std::string bytes = BoundaryBytes();
    TempFile file(bytes);
    int numbersRead = 0;
    for (int consumed = 2030; consumed < static_cast<int>(bytes.size()); ++consumed) {
        if (bytes[static_cast<std::size_t>(consumed) - 1] != 'X' &&
            bytes[static_cast<std::size_t>(consumed) - 1] != 'Y') {
            continue;
        }
        // The letter is the last character delivered, with up to two after it pushed back.
        for (int pushback = 0; pushback <= 2; ++pushback) {
            CharacterSource fused(file.Path(), false);
            CharacterSource stepwise(file.Path(), false);
            Trail(fused, consumed + pushback);
            Trail(stepwise, consumed + pushback);
            fused.UngetChars(pushback);
            stepwise.UngetChars(pushback);
            CharacterSource::NumberText number;
            if (!fused.ReadNumberInBlock(number)) {
                continue;
            }
            ++numbersRead;
            const CharacterSource::NumberText expected = ReadNumberStepByStep(stepwise);
            EXPECT_EQ(number.sign, expected.sign);
            EXPECT_EQ(number.digits.text, expected.digits.text);
            EXPECT_EQ(number.digits.value, expected.digits.value);
            EXPECT_EQ(number.after, expected.after);
            EXPECT_EQ(fused.LineNumber(), stepwise.LineNumber());
            EXPECT_EQ(Trail(fused, 8), Trail(stepwise, 8))
                << "consumed " << consumed << ", pushback " << pushback;
        }
    }
    // Of the twelve numbers, the one whose letter ends the first block and the one ended by the
    // end of the input are left to the general path.
    EXPECT_EQ(numbersRead, 10 * 3);
}

TEST(CharacterSource, NumberInBlockReadsRunsOfEveryLength) {
    const std::string digits = "123456789012345678901234";
    for (std::size_t length = 1; length <= digits.size(); ++length) {
        const std::string text = digits.substr(0, length);
        TempFile file("X" + text + "Y" + std::string(16, ' '));
        CharacterSource source(file.Path(), false);
        source.NextChar();
        CharacterSource::NumberText number;
        ASSERT_TRUE(source.ReadNumberInBlock(number)) << length;
        EXPECT_EQ(number.digits.text, text);
        if (length <= CharacterSource::kDigitsInValue) {
            EXPECT_EQ(number.digits.value, std::stoull(text)) << length;
        }
        EXPECT_EQ(number.after, 'Y');
    }
}

TEST(CharacterSource, NumberInBlockReadsSignDigitsAndEndOfLine) {
    TempFile file("X-0042\nY");
    CharacterSource source(file.Path(), false);
    EXPECT_EQ(source.NextChar(), 'X');
    CharacterSource::NumberText number;
    ASSERT_TRUE(source.ReadNumberInBlock(number));
    EXPECT_EQ(number.sign, -1);
    EXPECT_EQ(number.digits.text, "0042");
    EXPECT_EQ(number.digits.value, 42u);
    EXPECT_EQ(number.after, '\n');
    EXPECT_EQ(source.LineNumber(), 2);
    EXPECT_EQ(Trail(source, 2), (std::vector<std::pair<int, int>>{{'\n', 2}, {'Y', 2}}));
    // A letter followed by neither sign nor digit is left alone.
    TempFile plus("X+5");
    CharacterSource other(plus.Path(), false);
    other.NextChar();
    EXPECT_FALSE(other.ReadNumberInBlock(number));
    EXPECT_EQ(other.NextChar(), '+');
}

}  // namespace

#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Compiler.h"
#include "scanner/CharacterClassTable.h"
#include "scanner/DrillInput.h"
#include "scanner/EightDigits.h"

// Delivers the characters of one drill program with line counting and a pushback of up to two
// characters. The program, a file or the caller's bytes, is read forward in blocks of kBlockSize
// bytes into two alternating buffers, decoded to ASCII (EBCDIC files) and cleaned of carriage
// returns that precede a line feed, so that taking a character only copies one byte from memory.
// Large blocks take a file in few reads, each straight into a buffer.
class CharacterSource {
  public:
    // Value delivered at the end of the input and for every read after it.
    static constexpr int kEndOfInput = -1;
    // What ReadLineInto returns when it stops inside a line.
    static constexpr int kLineGoesOn = -2;
    static constexpr int kBlockSize = 65536;
    // Deepest pushback the scanner ever asks for.
    static constexpr int kMaxPushback = 2;

    // Opens the input for reading; an EBCDIC source decodes every byte to its ASCII character.
    // Bytes in memory are read in place and must stay unchanged while the source reads them.
    CharacterSource(const DrillInput& input, bool ebcdic);
    ~CharacterSource();
    CharacterSource(const CharacterSource&) = delete;
    CharacterSource& operator=(const CharacterSource&) = delete;

    bool IsOpen() const { return file != nullptr || memory != nullptr; }

    // Returns the next character (0 to 254) or kEndOfInput; counts a line feed only the first
    // time it is delivered.
    int NextChar() {
        const int c = position < currentCount ? currentBlock[position++] : ReadAcrossBlocks();
        if (redeliveries > 0) {
            --redeliveries;
        } else if (c == '\n') {
            ++lineNumber;
        }
        return c;
    }

    // Pushes back the last count characters delivered (at most kMaxPushback), so that the next
    // count reads deliver them again in the same order.
    void UngetChars(int count) {
        if (endsDelivered == 0 && count <= position) {
            position -= count;
            redeliveries += count;
            return;
        }
        UngetAcrossBlocks(count);
    }

    // Tells whether the next two characters are first and second, leaving the source exactly as
    // two NextChar calls followed by UngetChars(2) would.
    bool LookAheadIs(int first, int second) {
        if (position + 2 > currentCount) {
            return LookAheadAcrossBlocksIs(first, second);
        }
        const int next = currentBlock[position];
        const int afterNext = currentBlock[position + 1];
        if (redeliveries < 2) {
            lineNumber += (redeliveries == 0 && next == '\n') + (afterNext == '\n');
            redeliveries = 2;
        }
        return next == first && afterNext == second;
    }

    // Longest digit run whose value a DigitRun holds.
    static constexpr std::size_t kDigitsInValue = 19;
    // A run of digits: its text and, when it has at most kDigitsInValue digits, its value.
    struct DigitRun {
        std::string_view text;
        std::uint64_t value = 0;
    };

    // Reads the digits that follow the digit first, which must be the character last delivered,
    // and returns the whole run from first on; after receives the character that ends the run,
    // delivered as by NextChar. The run's text stays valid until the next read.
    DigitRun ReadDigitRun(int first, int& after) {
        const unsigned char* block = currentBlock;
        const int begin = position;
        const int count = currentCount;
        std::uint64_t value = static_cast<std::uint64_t>(first - '0');
        const int end = ScanDigits(block, begin, count, value);
        if (end == count) {
            return ReadDigitRunAcrossBlocks(first, after);
        }
        const int next = block[end];
        const int taken = end + 1 - begin;
        if (taken > redeliveries) {
            lineNumber += next == '\n';
            redeliveries = 0;
        } else {
            redeliveries -= taken;
        }
        position = end + 1;
        after = next;
        return {{reinterpret_cast<const char*>(block) + begin - 1,
                 static_cast<std::size_t>(end - begin + 1)},
                value};
    }

    // A number as read after its letter: its sign, its digit run and the character that ended it.
    struct NumberText {
        int sign = 1;
        DigitRun digits;
        int after = 0;
    };

    // Where the next word starts in the current buffer: its first character, that character's
    // index and its line.
    struct WordStart {
        int letter = 0;
        int index = 0;
        int line = 0;
    };

    // Finds the first character after the characters that classes passes over between tokens,
    // when it lies in the current buffer and nothing but the next character is pushed back;
    // changes nothing. ReadNumberOfWord or TakeCodeWord then delivers the word.
    bool FindWordInBlock(const CharacterClassTable& classes, WordStart& word) const {
        if (redeliveries > 1) {
            return false;
        }
        const unsigned char* block = currentBlock;
        int index = position;
        int lineFeeds = 0;
        while (index < currentCount && classes.IsPassedOver(block[index])) {
            lineFeeds += block[index] == '\n';
            ++index;
        }
        if (index == currentCount) {
            return false;
        }
        // A line feed pushed back was counted when it was delivered first.
        if (redeliveries == 1 && index > position && block[position] == '\n') {
            --lineFeeds;
        }
        word = {block[index], index, lineNumber + lineFeeds};
        return true;
    }

    // Delivers the word up to its letter, then a minus sign or a digit, the digits after it and
    // the character that ends them, which it pushes back: as many NextChar calls and then
    // UngetChars(1) would. Returns false and changes nothing when the number does not start with
    // a minus sign or a digit or does not end inside the current buffer.
    bool ReadNumberOfWord(const WordStart& word, NumberText& number) {
        const unsigned char* block = currentBlock;
        const int count = currentCount;
        int end = word.index + 1;
        if (end >= count) {
            return false;
        }
        number.sign = 1;
        if (block[end] == '-') {
            number.sign = -1;
            ++end;
        } else if (!IsDigit(block[end])) {
            return false;
        }
        const int digitsBegin = end;
        std::uint64_t value = 0;
        end = ScanDigits(block, end, count, value);
        if (end == count) {
            return false;
        }
        position = end;
        redeliveries = 1;
        lineNumber = word.line + (block[end] == '\n');
        number.after = block[end];
        number.digits = {{reinterpret_cast<const char*>(block) + digitsBegin,
                          static_cast<std::size_t>(end - digitsBegin)},
                         value};
        return true;
    }

    // A number of a coordinate block: its sign and its digit run. Left uninitialized until read:
    // a block is looked for at nearly every line.
    struct CoordinateNumber {
        int sign;
        int digitCount;
        const unsigned char* digits;
        std::uint64_t value;
    };
    // Room after a coordinate block's start for the longest block of an X and a Y word whose
    // digit runs values hold, and its line feed.
    static constexpr int kLongestCoordinateBlock = 2 * (2 + static_cast<int>(kDigitsInValue)) + 1;

    // Returns where the block after the line feed pushed back last starts, in the state in which
    // each block of a run of hole blocks leaves the source, when the current buffer holds
    // kLongestCoordinateBlock bytes from there on; nullptr otherwise. A block read from there
    // with ScanCoordinateNumber needs no test against the end of the buffer.
    const unsigned char* CoordinateBlockStart() const {
        if (redeliveries != 1 || currentCount - position <= kLongestCoordinateBlock ||
            currentBlock[position] != '\n') {
            return nullptr;
        }
        return currentBlock + position + 1;
    }
    // Reads the number after the letter at next, a minus sign and a digit run, into number and
    // moves next past it; returns false when the run is empty or longer than kDigitsInValue.
    static bool ScanCoordinateNumber(const unsigned char*& next, CoordinateNumber& number) {
        const unsigned char* digits = next + 1;
        number.sign = 1;
        if (*digits == '-') {
            number.sign = -1;
            ++digits;
        }
        constexpr int kMost = static_cast<int>(kDigitsInValue);
        number.digits = digits;
        number.value = 0;
        int count = 0;
        if constexpr (EightDigits::kAvailable) {
            // Nearly every number has fewer than eight digits: one word of them is the whole run.
            const std::uint64_t word = EightDigits::Load(digits);
            count = EightDigits::LeadingDigits(word);
            if (count == 0) {
                return false;
            }
            if (count < 8) {
                number.value = EightDigits::Value(word, count);
                number.digitCount = count;
                next = digits + count;
                return true;
            }
        }
        count = ScanDigits(digits, 0, kMost + 1, number.value);
        number.digitCount = count;
        next = digits + count;
        return count != 0 && count <= kMost;
    }
    // Delivers the block from CoordinateBlockStart up to its line feed at lineFeed, which it
    // pushes back, as FindWordInBlock and ReadNumberOfWord would word by word.
    void TakeCoordinateBlock(const unsigned char* lineFeed) {
        position = static_cast<int>(lineFeed - currentBlock);
        ++lineNumber;
    }

    // Returns the value (0 to 99) of the two characters after the word's letter when they are
    // digits of the current buffer, or -1.
    int TwoDigitsOfWord(const WordStart& word) const {
        if (word.index + 2 >= currentCount) {
            return -1;
        }
        const int first = currentBlock[word.index + 1];
        const int second = currentBlock[word.index + 2];
        if (!IsDigit(first) || !IsDigit(second)) {
            return -1;
        }
        return (first - '0') * 10 + (second - '0');
    }
    // Delivers the word up to its letter and the two digits after it, as NextChar calls would.
    void TakeCodeWord(const WordStart& word) {
        position = word.index + 3;
        redeliveries = 0;
        lineNumber = word.line;
    }

    // Delivers the characters up to the next line feed and that line feed, as NextChar would,
    // when they all lie in the current buffer and none of them is a space or a control character
    // below it (a tab, a carriage return); gives them without the line feed in line, which stays
    // valid until the next read. Returns false and delivers nothing otherwise.
    bool ReadPlainLineInBlock(std::string_view& line) {
        if (redeliveries != 0) {
            return false;
        }
        const int end = PlainRunEnd(currentBlock, position, currentCount);
        if (end == currentCount || currentBlock[end] != '\n') {
            return false;
        }
        line = {reinterpret_cast<const char*>(currentBlock) + position,
                static_cast<std::size_t>(end - position)};
        position = end + 1;
        ++lineNumber;
        return true;
    }
    // Appends to line the characters up to the next line feed or carriage return and returns the
    // character that ends them (a line feed, a carriage return or kEndOfInput), all delivered as
    // by NextChar; takes the runs that lie in the current buffer whole. Stops where line holds
    // most characters and returns kLineGoesOn when the line has more; the next call reads on.
    int ReadLineInto(std::string& line, std::size_t most = static_cast<std::size_t>(-1));

    // Tells whether the input ended at a byte 0xFF of an ASCII program that more bytes follow,
    // which are never read.
    bool EndByteHidesBytes() const { return endByteHidesBytes; }

    // Returns the number of the line that holds the character last delivered for the first time.
    int LineNumber() const { return lineNumber; }
    // Returns the line count as it stood when the character last delivered was delivered first:
    // the line of that character, or the line after it when it is a line feed. Line feeds that
    // were looked at beyond it and pushed back do not count.
    int LineOfLastChar() const {
        return redeliveries == 0 ? lineNumber : lineNumber - PendingLineFeeds();
    }

  private:
    // Powers of ten 10^0 to 10^8, by which a value moves over for the digits read after it.
    static constexpr std::uint64_t kPowersOfTen[9] = {1,      10,      100,      1000,     10000,
                                                      100000, 1000000, 10000000, 100000000};

    // Tells whether c is one of the digits "0" to "9".
    static bool IsDigit(int c) { return static_cast<unsigned>(c - '0') < 10u; }
    // Passes over the digits of block from index from on, up to count, adding each to value;
    // returns the index of the first byte that is no digit, or count. The value wraps around
    // beyond kDigitsInValue digits.
    static int ScanDigits(const unsigned char* block, int from, int count, std::uint64_t& value) {
        int end = from;
        if constexpr (EightDigits::kAvailable) {
            while (end + 8 <= count) {
                const std::uint64_t word = EightDigits::Load(block + end);
                const int digits = EightDigits::LeadingDigits(word);
                if (digits == 0) {
                    return end;
                }
                value = value * kPowersOfTen[digits] + EightDigits::Value(word, digits);
                end += digits;
                if (digits < 8) {
                    return end;
                }
            }
        }
        for (; end < count && IsDigit(block[end]); ++end) {
            value = value * 10 + static_cast<std::uint64_t>(block[end] - '0');
        }
        return end;
    }
    // Counts the line feeds among the characters pushed back and not yet delivered again.
    int PendingLineFeeds() const;
    // Returns the index of the first byte of block from index from on, up to count, that is a
    // space or a control character below it, or count.
    static int PlainRunEnd(const unsigned char* block, int from, int count) {
        int end = from;
        if constexpr (EightDigits::kAvailable) {
            constexpr std::uint64_t kBelowPlain = 0x2121212121212121ULL;
            constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
            while (end + 8 <= count) {
                const std::uint64_t word = EightDigits::Load(block + end);
                // The lowest high bit set marks the first byte below "!"; bytes from 0x80 up
                // never set theirs.
                const std::uint64_t below = (word - kBelowPlain) & ~word & kHighBits;
                if (below != 0) {
                    return end + Compiler::CountTrailingZeros(below) / 8;
                }
                end += 8;
            }
        }
        while (end < count && block[end] > ' ') {
            ++end;
        }
        return end;
    }
    // Makes the other buffer the current one.
    void SwitchBlock() {
        current ^= 1;
        currentBlock = buffers[current];
        currentCount = counts[current];
    }
    // Pushes back where end values were delivered or the characters lie in the other buffer.
    void UngetAcrossBlocks(int count);
    // Looks ahead one character at a time where the two characters do not both lie in the
    // current buffer.
    bool LookAheadAcrossBlocksIs(int first, int second);
    // Reads a digit run one character at a time into the run text, where it may leave the
    // current buffer.
    DigitRun ReadDigitRunAcrossBlocks(int first, int& after);
    // Delivers the next character once the current buffer is used up: moves into the other
    // buffer, refilling it from the file unless a pushback left it holding the next bytes.
    int ReadAcrossBlocks();
    // Fills block from the input and returns its number of characters.
    int FillBlock(unsigned char* block);
    // Copies up to wanted bytes of the input to destination; returns how many it copied.
    std::size_t ReadBytes(unsigned char* destination, std::size_t wanted);
    // Turns the raw bytes [begin, begin + count) into characters; returns how many remain.
    int DecodeBytes(unsigned char* begin, int count);
    // Tells whether the input has a byte beyond those read so far; reads it.
    bool InputHasMoreBytes();
    // Removes every carriage return directly before a line feed; returns the new count.
    static int DropCarriageReturnsBeforeLineFeeds(unsigned char* block, int count);

    FILE* file;
    // The caller's bytes still to read, when the input is in memory; nullptr otherwise.
    const char* memory;
    std::size_t memoryLeft;
    bool ebcdic;
    // The two buffers in one allocation, too large for the stack a source may live on.
    std::unique_ptr<unsigned char[]> storage{new unsigned char[2 * kBlockSize]};
    unsigned char* const buffers[2] = {storage.get(), storage.get() + kBlockSize};
    int counts[2] = {0, 0};
    int current = 0;
    // The current buffer and its count: the ones at buffers[current] and counts[current].
    const unsigned char* currentBlock = buffers[0];
    int currentCount = 0;
    int position = 0;
    // True after a pushback stepped back into the other buffer, which still holds what follows.
    bool noRefill = false;
    // True once the file has nothing more to give (end of file, read error, or a 0xFF in ASCII).
    bool fileExhausted = false;
    // True once a byte 0xFF with more bytes after it ended the input.
    bool endByteHidesBytes = false;
    // True while a block's final carriage return waits for the next block's first byte.
    bool carriageReturnHeld = false;
    // End values delivered since the last real character, as far as a pushback can reach.
    int endsDelivered = 0;
    // Characters pushed back and not yet delivered again.
    int redeliveries = 0;
    int lineNumber = 1;
    // Digits of a run read one character at a time; keeps its capacity from run to run.
    std::string runText;
};

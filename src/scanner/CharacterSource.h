#pragma once

#include <cstdio>
#include <string>

// Delivers the characters of one drill file with line counting and a pushback of up to two
// characters. The file is read forward in blocks of kBlockSize bytes into two alternating buffers,
// decoded to ASCII (EBCDIC files) and cleaned of carriage returns that precede a line feed, so that
// the hot path only copies one byte from memory.
class CharacterSource {
  public:
    // Value delivered at the end of the input and for every read after it.
    static constexpr int kEndOfInput = -1;
    static constexpr int kBlockSize = 2048;
    // Deepest pushback the scanner ever asks for.
    static constexpr int kMaxPushback = 2;

    // Opens path for reading; an EBCDIC source decodes every byte to its ASCII character.
    CharacterSource(const std::string& path, bool ebcdic);
    ~CharacterSource();
    CharacterSource(const CharacterSource&) = delete;
    CharacterSource& operator=(const CharacterSource&) = delete;

    bool IsOpen() const { return file != nullptr; }

    // Returns the next character (0 to 254) or kEndOfInput; counts a line feed only the first
    // time it is delivered.
    int NextChar() {
        const int c =
            position < counts[current] ? buffers[current][position++] : ReadAcrossBlocks();
        if (redeliveries > 0) {
            --redeliveries;
        } else if (c == '\n') {
            ++lineNumber;
        }
        return c;
    }

    // Pushes back the last count characters delivered (at most kMaxPushback), so that the next
    // count reads deliver them again in the same order.
    void UngetChars(int count);

    // Returns the number of the line that holds the character last delivered for the first time.
    int LineNumber() const { return lineNumber; }

  private:
    // Delivers the next character once the current buffer is used up: moves into the other
    // buffer, refilling it from the file unless a pushback left it holding the next bytes.
    int ReadAcrossBlocks();
    // Fills block from the file and returns its number of characters.
    int FillBlock(unsigned char* block);
    // Turns the raw bytes [begin, begin + count) into characters; returns how many remain.
    int DecodeBytes(unsigned char* begin, int count);
    // Removes every carriage return directly before a line feed; returns the new count.
    static int DropCarriageReturnsBeforeLineFeeds(unsigned char* block, int count);

    FILE* file;
    bool ebcdic;
    unsigned char buffers[2][kBlockSize];
    int counts[2] = {0, 0};
    int current = 0;
    int position = 0;
    // True after a pushback stepped back into the other buffer, which still holds what follows.
    bool noRefill = false;
    // True once the file has nothing more to give (end of file, read error, or a 0xFF in ASCII).
    bool fileExhausted = false;
    // True while a block's final carriage return waits for the next block's first byte.
    bool carriageReturnHeld = false;
    // End values delivered since the last real character, as far as a pushback can reach.
    int endsDelivered = 0;
    // Characters pushed back and not yet delivered again.
    int redeliveries = 0;
    int lineNumber = 1;
};

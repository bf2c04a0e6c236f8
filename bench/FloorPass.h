#pragma once

#include <string>

// The classic byte-at-a-time pass over a file: the least that any reader of it has to pay.
class FloorPass {
  public:
    // Reads the file at path one byte at a time with getc_unlocked and returns how many bytes
    // equal lineFeed (10 in ASCII, 0x25 in EBCDIC); returns -1 when the file does not open.
    static long long CountLineFeeds(const std::string& path, int lineFeed);
};

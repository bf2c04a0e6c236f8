#pragma once

#include <string_view>

// The text that follows G93 in a drill program: a point written as X, an integer, Y, an integer.
class G93Text {
  public:
    // Reads the two integers as the pattern "X%dY%d" of the C runtime reads them; each one that
    // is not there stays 0. Returns false when a number does not fit in 32 bits.
    static bool ReadPoint(std::string_view text, int& x, int& y);
};

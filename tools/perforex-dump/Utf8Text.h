#pragma once

#include <cstddef>
#include <string_view>

// Checks UTF-8 in text that comes from outside, such as file names, before it is written into
// formats that require valid UTF-8.
class Utf8Text {
  public:
    // Returns the length of the valid UTF-8 sequence that starts at index (1 for ASCII), or 0
    // when the byte there starts no valid sequence.
    static std::size_t SequenceLength(std::string_view text, std::size_t index);
};

#pragma once

#include <cstdarg>
#include <cstddef>

// Formats the texts of the message table as std::vsnprintf does, for the only conversions they
// use: %d, %s, %c and %%, with no flags, width or precision. A program whose every block is an
// error writes a message per block, and printf's general machinery was most of what each cost.
class MessageFormatter {
  public:
    // Returned for a format with any other conversion, which std::vsnprintf has to format.
    static constexpr std::size_t kUnsupported = static_cast<std::size_t>(-1);

    // Writes format with args into text as std::vsnprintf(text, capacity, ...) does: at most
    // capacity - 1 bytes and a terminating zero (nothing when capacity is 0). Returns the length
    // of the whole result, or kUnsupported, with text undefined and args consumed in part.
    static std::size_t Format(char* text, std::size_t capacity, const char* format, va_list args);
};

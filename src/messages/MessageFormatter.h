#pragma once

#include <cstdarg>
#include <cstddef>
#include <string_view>

// Formats the texts of the message table as std::vsnprintf does, for the only conversions they
// use: %d, %s, %c and %%, with no flags, width or precision. A program whose every block is an
// error writes a message per block, and printf's general machinery was most of what each cost.
class MessageFormatter {
  public:
    // Returned for a format with any other conversion, which std::vsnprintf has to format.
    static constexpr std::size_t kUnsupported = static_cast<std::size_t>(-1);
    // Most conversions a split format holds; the message table's texts have at most four.
    static constexpr int kMostConversions = 8;

    // A format split at its conversions: literals[0], conversions[0], literals[1] and so on up
    // to literals[conversionCount]. Split once, a format is formatted by copying its literals
    // whole, without a search for its next "%" each time.
    struct SplitFormat {
        std::string_view literals[kMostConversions + 1];
        char conversions[kMostConversions] = {};
        int conversionCount = 0;
    };

    // Splits format, which must outlive split; returns false for a conversion other than the
    // four or more than kMostConversions of them.
    static bool Split(const char* format, SplitFormat& split);
    // Writes the split format with args into text as std::vsnprintf(text, capacity, ...) does:
    // at most capacity - 1 bytes and a terminating zero (nothing when capacity is 0). Returns the
    // length of the whole result.
    static std::size_t Format(char* text, std::size_t capacity, const SplitFormat& split,
                              va_list args);
    // Splits format and writes it as above; returns kUnsupported, with text undefined and args
    // untouched, for a format that does not split.
    static std::size_t Format(char* text, std::size_t capacity, const char* format, va_list args);
};

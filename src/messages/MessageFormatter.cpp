#include "messages/MessageFormatter.h"

#include <charconv>
#include <cstring>

namespace {

// Copies what of piece fits below capacity - 1 to text at length; every piece counts in full.
class BoundedText {
  public:
    BoundedText(char* text, std::size_t capacity) : text_(text), capacity_(capacity) {}

    void Append(const char* piece, std::size_t size) {
        if (length_ + 1 < capacity_) {
            const std::size_t room = capacity_ - 1 - length_;
            std::memcpy(text_ + length_, piece, size < room ? size : room);
        }
        length_ += size;
    }
    void AppendInteger(int value) {
        // std::to_chars writes two digits a step, the most negative int included; straight into
        // the text where it has room for any int, since a copy of a few bytes costs a call.
        constexpr std::size_t kLongestInt = 11;
        if (length_ + kLongestInt < capacity_) {
            const std::to_chars_result end =
                std::to_chars(text_ + length_, text_ + length_ + kLongestInt, value);
            length_ = static_cast<std::size_t>(end.ptr - text_);
            return;
        }
        char digits[kLongestInt];
        const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
        Append(digits, static_cast<std::size_t>(end.ptr - digits));
    }
    // Ends the text with its zero; returns the length of the whole result.
    std::size_t Finish() {
        if (capacity_ > 0) {
            text_[length_ < capacity_ ? length_ : capacity_ - 1] = '\0';
        }
        return length_;
    }

  private:
    char* text_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

}  // namespace

bool MessageFormatter::Split(const char* format, SplitFormat& split) {
    split.conversionCount = 0;
    const char* literal = format;
    // The library's strchr finds each conversion many bytes at a time.
    for (const char* at = std::strchr(format, '%'); at != nullptr; at = std::strchr(literal, '%')) {
        const char conversion = at[1];
        const bool known =
            conversion == 'd' || conversion == 's' || conversion == 'c' || conversion == '%';
        if (!known || split.conversionCount == kMostConversions) {
            return false;
        }
        split.literals[split.conversionCount] =
            std::string_view(literal, static_cast<std::size_t>(at - literal));
        split.conversions[split.conversionCount++] = conversion;
        literal = at + 2;
    }
    split.literals[split.conversionCount] = literal;
    return true;
}

std::size_t MessageFormatter::Format(char* text, std::size_t capacity, const SplitFormat& split,
                                     va_list args) {
    BoundedText result(text, capacity);
    for (int index = 0; index < split.conversionCount; ++index) {
        result.Append(split.literals[index].data(), split.literals[index].size());
        switch (split.conversions[index]) {
            case 'd':
                result.AppendInteger(va_arg(args, int));
                break;
            case 's': {
                const char* argument = va_arg(args, const char*);
                result.Append(argument, std::strlen(argument));
                break;
            }
            case 'c': {
                const char character = static_cast<char>(va_arg(args, int));
                result.Append(&character, 1);
                break;
            }
            default:
                result.Append("%", 1);
                break;
        }
    }
    const std::string_view last = split.literals[split.conversionCount];
    result.Append(last.data(), last.size());
    return result.Finish();
}

std::size_t MessageFormatter::Format(char* text, std::size_t capacity, const char* format,
                                     va_list args) {
    SplitFormat split;
    if (!Split(format, split)) {
        return kUnsupported;
    }
    return Format(text, capacity, split, args);
}

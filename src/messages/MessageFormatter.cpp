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
        // std::to_chars writes two digits a step, the most negative int included.
        char digits[16];
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

std::size_t MessageFormatter::Format(char* text, std::size_t capacity, const char* format,
                                     va_list args) {
    BoundedText result(text, capacity);
    const char* literal = format;
    // The library's strchr finds each conversion many bytes at a time.
    for (const char* at = std::strchr(format, '%'); at != nullptr; at = std::strchr(literal, '%')) {
        result.Append(literal, static_cast<std::size_t>(at - literal));
        switch (*++at) {
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
            case '%':
                result.Append(at, 1);
                break;
            default:
                return kUnsupported;
        }
        literal = at + 1;
    }
    result.Append(literal, std::strlen(literal));
    return result.Finish();
}

#include "Utf8Text.h"

namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

}  // namespace

std::size_t Utf8Text::SequenceLength(std::string_view text, std::size_t index) {
    const auto byteAt = [&](std::size_t offset) -> unsigned char {
        return index + offset < text.size() ? static_cast<unsigned char>(text[index + offset]) : 0;
    };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80) {
        return index < text.size() ? 1 : 0;
    }
    // The second byte's range rules out overlong forms, surrogates and values above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    std::size_t length = 0;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (!InRange(byteAt(1), low, high)) {
        return 0;
    }
    for (std::size_t offset = 2; offset < length; ++offset) {
        if (!InRange(byteAt(offset), 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

#include "keywordparser/JNPKeyedHeader.h"

#include <cstring>

namespace {

const unsigned char kMarker[] = {0x05, 0x06, 0x13};
constexpr std::size_t kMinimumKeyedSize = 5;

}  // namespace

JNPKeyedHeader::JNPKeyedHeader(const char* file, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(file);
    keyed = size >= kMinimumKeyedSize && bytes[0] == kMarker[0] && bytes[1] == kMarker[1] &&
            bytes[2] == kMarker[2];
    if (!keyed) {
        return;
    }
    const std::size_t lengthOffset = bytes[3] != 0 ? 3 : 4;
    const signed char declared = static_cast<signed char>(bytes[lengthOffset]);
    keyLength = declared > 0 ? static_cast<std::size_t>(declared) : 0;
    length = lengthOffset + 1 + keyLength;
    key = file + lengthOffset + 1;
    fits = declared >= 0 && length <= size;
}

void JNPKeyedHeader::Decode(const char* payload, char* plain, std::size_t size) const {
    if (keyLength == 0) {
        std::memcpy(plain, payload, size);
        return;
    }
    std::size_t keyIndex = 0;
    for (std::size_t i = 0; i < size; ++i) {
        plain[i] = static_cast<char>(payload[i] ^ key[keyIndex]);
        keyIndex = keyIndex + 1 == keyLength ? 0 : keyIndex + 1;
    }
}

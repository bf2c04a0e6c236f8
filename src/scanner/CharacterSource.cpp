#include "scanner/CharacterSource.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// EBCDIC byte of each ASCII character 0 to 127.
constexpr unsigned char kAsciiToEbcdic[128] = {
    0x00, 0x01, 0x02, 0x03, 0x37, 0x2D, 0x2E, 0x2F, 0x16, 0x05, 0x25, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x3C, 0x3D, 0x32, 0x26, 0x18, 0x19, 0x3F, 0x27, 0x1C, 0x1D, 0x1E, 0x1F,
    0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F,
    0x7C, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6,
    0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xAD, 0xE0, 0xDB, 0x5F, 0x6D,
    0x79, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96,
    0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xC0, 0x4F, 0xD0, 0xA1, 0x07,
};

// Inverts the ASCII-to-EBCDIC table: each byte gives the first ASCII character encoded by it, and
// a byte that encodes none gives a space.
std::array<unsigned char, 256> MakeEbcdicDecoder() {
    std::array<unsigned char, 256> decoder;
    decoder.fill(' ');
    for (int ascii = 127; ascii >= 0; --ascii) {
        decoder[kAsciiToEbcdic[ascii]] = static_cast<unsigned char>(ascii);
    }
    return decoder;
}

const std::array<unsigned char, 256> kEbcdicToAscii = MakeEbcdicDecoder();

// The byte that ends an ASCII drill file wherever it stands.
constexpr unsigned char kAsciiEndByte = 0xFF;

}  // namespace

CharacterSource::CharacterSource(const std::string& path, bool ebcdic)
    : file(std::fopen(path.c_str(), "rb")), ebcdic(ebcdic), fileExhausted(file == nullptr) {}

CharacterSource::~CharacterSource() {
    if (file != nullptr) {
        std::fclose(file);
    }
}

void CharacterSource::UngetAcrossBlocks(int count) {
    redeliveries += count;
    const int ends = std::min(count, endsDelivered);
    endsDelivered -= ends;
    position -= count - ends;
    if (position < 0) {
        noRefill = true;
        SwitchBlock();
        position += currentCount;
    }
}

bool CharacterSource::LookAheadAcrossBlocksIs(int first, int second) {
    const int next = NextChar();
    const int afterNext = NextChar();
    UngetChars(2);
    return next == first && afterNext == second;
}

CharacterSource::DigitRun CharacterSource::ReadDigitRunAcrossBlocks(int first, int& after) {
    runText.assign(1, static_cast<char>(first));
    std::uint64_t value = static_cast<std::uint64_t>(first - '0');
    int c = NextChar();
    while (IsDigit(c)) {
        runText.push_back(static_cast<char>(c));
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        c = NextChar();
    }
    after = c;
    return {runText, value};
}

int CharacterSource::ReadAcrossBlocks() {
    for (;;) {
        if (position < currentCount) {
            return currentBlock[position++];
        }
        if (noRefill) {
            noRefill = false;
            SwitchBlock();
            position = 0;
        } else if (fileExhausted) {
            endsDelivered = std::min(endsDelivered + 1, kMaxPushback);
            return kEndOfInput;
        } else {
            SwitchBlock();
            position = 0;
            currentCount = counts[current] = FillBlock(buffers[current]);
        }
    }
}

int CharacterSource::FillBlock(unsigned char* block) {
    int count = 0;
    if (carriageReturnHeld) {
        carriageReturnHeld = false;
        block[count++] = '\r';
    }
    const std::size_t wanted = static_cast<std::size_t>(kBlockSize - count);
    const std::size_t got = std::fread(block + count, 1, wanted, file);
    // fread returns less than asked only at the end of the file or on a read error.
    fileExhausted = got < wanted;
    count += DecodeBytes(block + count, static_cast<int>(got));
    count = DropCarriageReturnsBeforeLineFeeds(block, count);
    if (!fileExhausted && count > 0 && block[count - 1] == '\r') {
        carriageReturnHeld = true;
        --count;
    }
    return count;
}

int CharacterSource::DecodeBytes(unsigned char* begin, int count) {
    if (ebcdic) {
        for (int i = 0; i < count; ++i) {
            begin[i] = kEbcdicToAscii[begin[i]];
        }
        return count;
    }
    const void* end = std::memchr(begin, kAsciiEndByte, static_cast<std::size_t>(count));
    if (end == nullptr) {
        return count;
    }
    fileExhausted = true;
    return static_cast<int>(static_cast<const unsigned char*>(end) - begin);
}

int CharacterSource::DropCarriageReturnsBeforeLineFeeds(unsigned char* block, int count) {
    const void* first = std::memchr(block, '\r', static_cast<std::size_t>(count));
    if (first == nullptr) {
        return count;
    }
    int kept = static_cast<int>(static_cast<const unsigned char*>(first) - block);
    for (int i = kept; i < count; ++i) {
        if (block[i] != '\r' || i + 1 == count || block[i + 1] != '\n') {
            block[kept++] = block[i];
        }
    }
    return kept;
}

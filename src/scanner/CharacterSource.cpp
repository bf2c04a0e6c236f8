#include "scanner/CharacterSource.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/NativeFile.h"
#include "scanner/EbcdicTable.h"

namespace {

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

// Bytes in memory of size 0 are an empty program, whatever their address.
CharacterSource::CharacterSource(const DrillInput& input, bool ebcdic)
    : file(input.InMemory() ? nullptr : NativeFile::OpenToRead(input.Name())),
      memory(input.InMemory() ? (input.Data() != nullptr ? input.Data() : "") : nullptr),
      memoryLeft(input.InMemory() && input.Data() != nullptr ? input.Size() : 0),
      ebcdic(ebcdic),
      fileExhausted(!IsOpen()) {}

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

int CharacterSource::PendingLineFeeds() const {
    const unsigned char* const nextBlock = buffers[current ^ 1];
    int lineFeeds = 0;
    for (int index = position; index < position + redeliveries; ++index) {
        // Beyond the current buffer lie the bytes a pushback left in the other one, then ends.
        const int inNext = index - currentCount;
        const bool lineFeed =
            inNext < 0 ? currentBlock[index] == '\n'
                       : noRefill && inNext < counts[current ^ 1] && nextBlock[inNext] == '\n';
        lineFeeds += lineFeed;
    }
    return lineFeeds;
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

int CharacterSource::ReadLineInto(std::string& line, std::size_t most) {
    for (;;) {
        if (line.size() >= most) {
            return kLineGoesOn;
        }
        if (redeliveries == 0) {
            const std::size_t room = most - line.size();
            const int stop = static_cast<std::size_t>(currentCount - position) > room
                                 ? position + static_cast<int>(room)
                                 : currentCount;
            int end = position;
            while (end < stop && currentBlock[end] != '\n' && currentBlock[end] != '\r') {
                ++end;
            }
            line.append(reinterpret_cast<const char*>(currentBlock) + position,
                        static_cast<std::size_t>(end - position));
            position = end;
            if (line.size() >= most) {
                return kLineGoesOn;
            }
        }
        const int c = NextChar();
        if (c == '\n' || c == '\r' || c == kEndOfInput) {
            return c;
        }
        line.push_back(static_cast<char>(c));
    }
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
    const std::size_t got = ReadBytes(block + count, wanted);
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

std::size_t CharacterSource::ReadBytes(unsigned char* destination, std::size_t wanted) {
    if (file != nullptr) {
        return std::fread(destination, 1, wanted, file);
    }
    const std::size_t taken = std::min(wanted, memoryLeft);
    std::memcpy(destination, memory, taken);
    memory += taken;
    memoryLeft -= taken;
    return taken;
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
    const int kept = static_cast<int>(static_cast<const unsigned char*>(end) - begin);
    // The bytes after the end byte are never read; whether there are any decides whether the
    // scanner warns about them.
    endByteHidesBytes = kept + 1 < count || (!fileExhausted && InputHasMoreBytes());
    fileExhausted = true;
    return kept;
}

bool CharacterSource::InputHasMoreBytes() {
    return file != nullptr ? std::fgetc(file) != EOF : memoryLeft > 0;
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

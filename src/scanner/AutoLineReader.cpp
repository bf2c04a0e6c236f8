#include "scanner/AutoLineReader.h"

#include <cstring>

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;
// The control character above the space, which a plain line may hold.
constexpr char kDelete = 0x7F;

}  // namespace

AutoLineReader::AutoLineReader(CharacterSource& source, int delimiter)
    : source(source), delimiter(delimiter) {
    copied.reserve(128);
}

bool AutoLineReader::ReadLine() {
    text = {};
    blanksRemoved = false;
    if (ended) {
        return false;
    }
    if (source.ReadPlainLineInBlock(text)) {
        ++lineNumber;
        if (listener != nullptr) {
            PassPlainLine();
        }
        return true;
    }
    copied.clear();
    int end = source.ReadLineInto(copied, longest);
    while (end == CharacterSource::kLineGoesOn) {
        rest.clear();
        end = source.ReadLineInto(rest, longest);
        listener->TakeCutText(rest, lineNumber + 1);
    }
    ended = end == kEnd;
    lineEnd = end;
    if (ended && copied.empty()) {
        endLine = lineNumber + 1;
        return false;
    }
    ++lineNumber;
    if (ended) {
        endLine = lineNumber;
    }
    RemoveBlanks();
    text = copied;
    if (listener != nullptr) {
        PassLine();
    }
    return true;
}

void AutoLineReader::PassPlainLine() {
    // Most lines of a program are coordinates, whose words come as tokens: only their bytes
    // count, without a call for each.
    if (!text.empty() && (text[0] == 'X' || text[0] == 'Y') &&
        std::memchr(text.data(), kDelete, text.size()) == nullptr) {
        coordinateLineBytes += static_cast<long long>(text.size()) + 1;
        return;
    }
    PassLine();
}

void AutoLineReader::PassLine() const {
    listener->TakeLine({text, Written(), lineNumber, Plain(), EndsAtCarriageReturn()});
}

void AutoLineReader::RemoveBlanks() {
    const std::size_t size = copied.size();
    if (std::memchr(copied.data(), ' ', size) == nullptr &&
        std::memchr(copied.data(), '\t', size) == nullptr) {
        return;
    }
    written = copied;
    blanksRemoved = true;
    std::size_t kept = 0;
    bool comment = false;
    for (const char c : copied) {
        if (!IsBlank(static_cast<unsigned char>(c)) || comment) {
            comment = comment || (kept == 0 && c == ';');
            copied[kept++] = c;
        }
    }
    copied.resize(kept);
}

#include "scanner/AutoLineReader.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;

}  // namespace

AutoLineReader::AutoLineReader(CharacterSource& source, int delimiter)
    : source(source), delimiter(delimiter) {
    text.reserve(128);
}

bool AutoLineReader::ReadLine() {
    text.clear();
    if (ended) {
        return false;
    }
    int c = source.NextChar();
    if (c == kEnd) {
        ended = true;
        return false;
    }
    ++lineNumber;
    while (c != '\n' && c != '\r' && c != kEnd) {
        if (!IsBlank(c) || (!text.empty() && text[0] == ';')) {
            text.push_back(static_cast<char>(c));
        }
        c = source.NextChar();
    }
    ended = c == kEnd;
    return true;
}

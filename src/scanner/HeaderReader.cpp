#include "scanner/HeaderReader.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;

}  // namespace

HeaderReader::HeaderReader(CharacterSource& source, std::vector<std::string>& toolLines)
    : source(source), toolLines(toolLines) {}

bool HeaderReader::ReadHeader() {
    int current = 'M';
    while (current != '%' && current != kEnd) {
        ReadHeaderStep(current);
    }
    return current == '%';
}

void HeaderReader::ReadHeaderStep(int& current) {
    if (current == 'T') {
        ReadToolDefinition(current);
        return;
    }
    const int previous = current;
    current = source.NextChar();
    if (StartsDirective(previous, current)) {
        SkipToLineFeed(current);
    }
}

void HeaderReader::ReadToolDefinition(int& current) {
    std::string text;
    current = source.NextChar();
    while (current != '\n' && current != kEnd) {
        if (text.size() < kToolTextCapacity) {
            text.push_back(static_cast<char>(current));
        }
        current = source.NextChar();
    }
    toolLines.push_back(std::move(text));
}

void HeaderReader::SkipToLineFeed(int& current) {
    while (current != '\n' && current != kEnd) {
        current = source.NextChar();
    }
}

bool HeaderReader::StartsDirective(int first, int second) {
    switch (first) {
        case 'I':
            return second == 'N' || second == 'C';
        case 'M':
            return second == 'E' || second == 'M';
        case 'F':
            return second == 'M';
        default:
            return false;
    }
}

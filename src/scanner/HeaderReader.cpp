#include "scanner/HeaderReader.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;

}  // namespace

HeaderReader::HeaderReader(CharacterSource& source, std::vector<std::string>& toolLines,
                           PlatingStatements& plating)
    : source(source), toolLines(toolLines), plating(plating) {}

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
    current = NextChar();
    if (StartsDirective(previous, current)) {
        SkipToLineFeed(current);
    }
}

void HeaderReader::ReadToolDefinition(int& current) {
    std::string text;
    current = NextChar();
    while (current != '\n' && current != kEnd) {
        if (text.size() < kToolTextCapacity) {
            text.push_back(static_cast<char>(current));
        }
        current = NextChar();
    }
    toolLines.push_back(std::move(text));
    plating.NoteToolLine();
}

void HeaderReader::SkipToLineFeed(int& current) {
    while (current != '\n' && current != kEnd) {
        current = NextChar();
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

int HeaderReader::NextChar() {
    const int c = source.NextChar();
    if (c == '\n' || c == kEnd) {
        if (inComment) {
            plating.TakeComment(comment);
            inComment = false;
        }
    } else if (inComment) {
        if (comment.size() < PlatingStatements::kCommentCapacity) {
            comment.push_back(static_cast<char>(c));
        }
    } else if (c == ';') {
        inComment = true;
        comment.assign(1, ';');
    }
    return c;
}

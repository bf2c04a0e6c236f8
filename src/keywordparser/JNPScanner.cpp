#include "keywordparser/JNPScanner.h"

#include <cstring>
#include <new>

namespace {

constexpr int kBlank = 0x20;

// Returns the token type of a punctuation character, or kWord for any other character.
int PunctuationType(int c) {
    switch (c) {
        case '(':
            return JNPScanner::kOpen;
        case ')':
            return JNPScanner::kClose;
        case ',':
            return JNPScanner::kComma;
        default:
            return JNPScanner::kWord;
    }
}

char UpperCase(int c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

}  // namespace

bool JNPScanner::AllocatePushBack() {
    pushBack.reset(new (std::nothrow) char[kTokenSize]);
    if (pushBack == nullptr) {
        return false;
    }
    pushBack[0] = '\0';
    lastType = kWord;
    return true;
}

void JNPScanner::Attach(const char* textBegin, const char* textEnd) {
    begin = position = textBegin;
    end = textEnd;
    line = 1;
}

int JNPScanner::ScanToken(const char* context, char* token) {
    if (pushBack != nullptr && pushBack[0] != '\0') {
        std::strcpy(token, pushBack.get());
        pushBack[0] = '\0';
        return lastType;
    }
    int c = SkipWhiteSpace();
    while (c == '!') {
        SkipLine();
        c = SkipWhiteSpace();
    }
    if (c == kEndValue) {
        token[0] = '\0';
        lastType = kEnd;
    } else if (c == '"') {
        lastType = ReadString(context, token);
    } else {
        lastType = ReadWord(c, context, token);
    }
    return lastType;
}

void JNPScanner::PushBack(const char* token) {
    if (pushBack != nullptr) {
        std::strcpy(pushBack.get(), token);
    }
}

void JNPScanner::SkipLine() {
    int c;
    do {
        c = ReadChar();
    } while (c != '\n' && c != kEndValue);
    ++line;
}

void JNPScanner::Unget(int c) {
    if (c == kEndValue || position == begin) {
        return;
    }
    --position;
    if (c == '\n' && position != begin && position[-1] == '\r') {
        --position;
    }
}

int JNPScanner::ReadChar() {
    if (position < end && *position == '\r') {
        ++position;
    }
    if (position >= end) {
        return kEndValue;
    }
    return static_cast<signed char>(*position++);
}

int JNPScanner::SkipWhiteSpace() {
    int c = ReadChar();
    while (c <= kBlank && c != kEndValue) {
        if (c == '\n') {
            ++line;
        }
        c = ReadChar();
    }
    return c;
}

int JNPScanner::ReadString(const char* context, char* token) {
    int length = 0;
    int backslashes = 0;
    int c = ReadChar();
    while (c != kEndValue && (c != '"' || backslashes % 2 != 0)) {
        if (c == '\n' && backslashes > 0) {
            --length;
            --backslashes;
            ++line;
            c = SkipWhiteSpace();
            continue;
        }
        if (length == kTokenSize - 1) {
            ReportOverflow(context);
            Unget(c);
            break;
        }
        token[length++] = static_cast<char>(c);
        backslashes = c == '\\' ? backslashes + 1 : 0;
        c = ReadChar();
    }
    token[length] = '\0';
    return kString;
}

int JNPScanner::ReadWord(int first, const char* context, char* token) {
    if (PunctuationType(first) != kWord) {
        token[0] = static_cast<char>(first);
        token[1] = '\0';
        return PunctuationType(first);
    }
    int length = 0;
    for (int c = first; c != kEndValue; c = ReadChar()) {
        if (c <= kBlank || c == '!' || PunctuationType(c) != kWord) {
            Unget(c);
            break;
        }
        if (length == kTokenSize - 1) {
            ReportOverflow(context);
            Unget(c);
            break;
        }
        token[length++] = UpperCase(c);
    }
    token[length] = '\0';
    return kWord;
}

void JNPScanner::ReportOverflow(const char* context) {
    sink.Write("Error: Exceeded buffer size of %d reading jnp.\n", kTokenSize);
    sink.Write("   in keyword <%s> above line # %d\n", context, line - 1);
    sink.CountErrors(1);
}

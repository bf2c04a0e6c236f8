#include "keywordparser/JNPConversion.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

// Returns the end of the longest decimal number at the start of text, or text when none.
const char* DecimalEnd(const char* text) {
    const char* p = text;
    if (IsSign(*p)) {
        ++p;
    }
    const char* mantissa = p;
    while (IsDigit(*p)) {
        ++p;
    }
    bool digits = p != mantissa;
    if (*p == '.') {
        const char* fraction = ++p;
        while (IsDigit(*p)) {
            ++p;
        }
        digits = digits || p != fraction;
    }
    if (!digits) {
        return text;
    }
    if (*p == 'E' || *p == 'e') {
        const char* exponent = p + 1;
        if (IsSign(*exponent)) {
            ++exponent;
        }
        if (IsDigit(*exponent)) {
            for (p = exponent; IsDigit(*p); ++p) {
            }
        }
    }
    return p;
}

// Returns the byte an escape letter stands for, or -1 when c is no escape letter.
int EscapedByte(char c) {
    switch (c) {
        case '"':
        case '\'':
        case '\\':
            return c;
        case 'b':
            return 0x08;
        case 'f':
            return 0x0C;
        case 'n':
            return 0x0A;
        case 'r':
            return 0x0D;
        case 't':
            return 0x09;
        case 'v':
            return 0x0B;
        default:
            return -1;
    }
}

// Reads an octal number at text the way formatted input reads "%o": blanks, a sign, digits.
// Returns false when there are no digits; otherwise stores the number's low eight bits.
bool ReadOctal(const char* text, unsigned char& value) {
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    const bool negative = *text == '-';
    if (IsSign(*text)) {
        ++text;
    }
    if (!IsOctalDigit(*text)) {
        return false;
    }
    unsigned number = 0;
    for (; IsOctalDigit(*text); ++text) {
        number = number * 8 + static_cast<unsigned>(*text - '0');
    }
    value = static_cast<unsigned char>(negative ? 0u - number : number);
    return true;
}

}  // namespace

JNPConversion::Integer JNPConversion::ToInteger(const char* token) {
    char* stop = nullptr;
    errno = 0;
    const long value = std::strtol(token, &stop, 0);
    const bool inRange = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
    return {stop != token && *stop == '\0', inRange, inRange ? static_cast<int>(value) : 0, *stop};
}

JNPConversion::Double JNPConversion::ToDouble(const char* token) {
    const char* stop = DecimalEnd(token);
    const bool whole = stop != token && *stop == '\0';
    return {whole, whole ? std::strtod(token, nullptr) : 0.0, *stop};
}

std::string JNPConversion::Unescape(const char* raw) {
    std::string text;
    for (const char* p = raw; *p != '\0';) {
        if (*p != '\\') {
            text += *p++;
            continue;
        }
        const char next = p[1];
        if (next == '\n') {
            for (p += 2; *p != '\0' && static_cast<signed char>(*p) < 0x21; ++p) {
            }
        } else if (EscapedByte(next) >= 0) {
            text += static_cast<char>(EscapedByte(next));
            p += 2;
        } else {
            unsigned char value = 0;
            if (!ReadOctal(p + 1, value)) {
                p += next != '\0' ? 2 : 1;
                continue;
            }
            if (value == 0) {
                break;
            }
            text += static_cast<char>(value);
            for (++p; IsOctalDigit(*p); ++p) {
            }
        }
    }
    return text;
}

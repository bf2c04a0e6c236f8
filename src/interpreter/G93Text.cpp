#include "interpreter/G93Text.h"

#include <climits>

namespace {

enum class NumberStatus { Missing, Read, OutOfRange };

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one integer at position as %d does: white space, an optional sign, at least one digit.
NumberStatus ReadInteger(std::string_view text, std::size_t& position, int& value) {
    while (position < text.size() && IsWhiteSpace(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    if (position == text.size() || !IsDigit(text[position])) {
        return NumberStatus::Missing;
    }
    // The magnitude stops growing once it is past every 32-bit value, so it cannot overflow.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (text[position] - '0');
        }
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT_MIN || signedValue > INT_MAX) {
        return NumberStatus::OutOfRange;
    }
    value = static_cast<int>(signedValue);
    return NumberStatus::Read;
}

// Reads the literal letter and then an integer; returns whether the pattern goes on matching.
bool ReadField(std::string_view text, std::size_t& position, char letter, int& value,
               bool& inRange) {
    if (position == text.size() || text[position] != letter) {
        return false;
    }
    ++position;
    const NumberStatus status = ReadInteger(text, position, value);
    if (status == NumberStatus::OutOfRange) {
        inRange = false;
    }
    return status != NumberStatus::Missing;
}

}  // namespace

bool G93Text::ReadPoint(std::string_view text, int& x, int& y) {
    x = 0;
    y = 0;
    bool inRange = true;
    std::size_t position = 0;
    if (ReadField(text, position, 'X', x, inRange)) {
        ReadField(text, position, 'Y', y, inRange);
    }
    return inRange;
}

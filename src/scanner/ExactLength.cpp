#include "scanner/ExactLength.h"

#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

ExactLength ExactLength::FromScaledDecimal(std::uint64_t digits, long long decimals, int sign,
                                           Unit unit) {
    // At most 1.9 * 10^19 * 254: no overflow before the scaling.
    Attometres value = Compiler::Product128(digits, static_cast<std::uint64_t>(unit.mantissa));
    const long long scale = unit.exponent - decimals;
    for (long long step = 0; step < scale && value != 0 && value != kLimit; ++step) {
        value = value > kLimit / 10 ? kLimit : value * 10;
    }
    // Dividing by 10 again and again truncates as one division by the power would.
    for (long long step = 0; step < -scale && value != 0; ++step) {
        value = value / 10;
    }
    value = Clamped(value);
    return ExactLength(sign < 0 ? -value : value);
}

ExactLength ExactLength::FromDigitText(std::string_view digits, long long decimals, int sign,
                                       Unit unit) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return ExactLength();
    }
    digits.remove_prefix(first);
    std::uint64_t value = 0;
    std::size_t read = 0;
    for (; read < digits.size() && read < kSignificantDigits; ++read) {
        value = value * 10 + static_cast<std::uint64_t>(digits[read] - '0');
    }
    // The digits left unread each move the decimal point of those read one place.
    const long long unread = static_cast<long long>(digits.size() - read);
    return FromDecimal(value, decimals - unread, sign, unit);
}

ExactLength ExactLength::FromLeadingNumber(std::string_view text, Unit unit) {
    std::size_t end = 0;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    std::string_view digits = text.substr(0, end);
    std::string joined;
    long long decimals = 0;
    if (end < text.size() && text[end] == '.') {
        std::size_t fractionEnd = end + 1;
        while (fractionEnd < text.size() && IsDigit(text[fractionEnd])) {
            ++fractionEnd;
        }
        joined.assign(digits).append(text.substr(end + 1, fractionEnd - end - 1));
        decimals = static_cast<long long>(fractionEnd - end - 1);
        digits = joined;
    }
    return FromDigitText(digits, decimals, 1, unit);
}

ExactLength ExactLength::FromWhole(long long units, Unit unit) {
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    return FromDecimal(magnitude, 0, units < 0 ? -1 : 1, unit);
}

ExactLength ExactLength::Times(int count) const {
    // Below kLimit / 65536 the product cannot pass kLimit; above it, any count beyond 1 does.
    if (count <= 1 || (attometres < kLimit / 65536 && attometres > -kLimit / 65536)) {
        return ExactLength(Clamped(attometres * count));
    }
    return ExactLength(attometres < 0 ? -kLimit : kLimit);
}

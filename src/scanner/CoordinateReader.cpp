#include "scanner/CoordinateReader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "reader/MessageTable.h"

namespace {

// Powers of ten 10^0 to 10^22, all exact in a double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Nearest doubles to 10^0 to 10^-22.
constexpr double kNegativePowersOfTen[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                           1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                           1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};
// Largest exponent whose power of ten the tables hold.
constexpr long long kTabledExponents = 22;

}  // namespace

CoordinateReader::CoordinateReader(CharacterSource& source, const CharacterClassTable& classes,
                                   const CDrillMachineFormat& settings, FILE* messageStream)
    : source(source), classes(classes), settings(settings), messageStream(messageStream) {}

bool CoordinateReader::ReadNumber(int letter, NCToken& token) {
    CharacterSource::NumberText number;
    int c = source.NextChar();
    if (c == '-') {
        number.sign = -1;
        c = source.NextChar();
    } else if (!classes.IsDigit(c)) {
        WriteMessage(messageStream, 25, letter, source.LineNumber());
        c = source.NextChar();
    }
    if (classes.IsDigit(c)) {
        number.digits = source.ReadDigitRun(c, c);
    }
    number.after = c;
    FillToken(letter, number, token);
    source.UngetChars(1);
    return EndsBlock(number.after);
}

bool CoordinateReader::ReadNumberInBlock(int letter, NCToken& token, bool& endsBlock) {
    CharacterSource::NumberText number;
    if (!source.ReadNumberInBlock(number)) {
        return false;
    }
    FillToken(letter, number, token);
    endsBlock = EndsBlock(number.after);
    return true;
}

bool CoordinateReader::EndsBlock(int after) const {
    return classes.IsSeparator(after) || after == CharacterSource::kEndOfInput;
}

void CoordinateReader::FillToken(int letter, const CharacterSource::NumberText& number,
                                 NCToken& token) {
    const CharacterSource::DigitRun& run = number.digits;
    token.type = TokenTypeOf(letter);
    if (static_cast<long long>(run.text.size()) > DigitLimit()) {
        WarnAboutLength(run.text);
    }
    if (settings.zeroTruncation == CDrillMachineFormat::TRAILING) {
        WarnAboutTrailingZero(run.text);
    }
    const double value = run.text.size() <= CharacterSource::kDigitsInValue
                             ? static_cast<double>(run.value)
                             : DigitValue(run.text);
    token.value = ConvertDigits(run.text, value, letter, number.sign);
}

double CoordinateReader::ConvertCoordinate(std::string_view text, int letter, int sign) {
    return ConvertDigits(text, DigitValue(text), letter, sign);
}

inline double CoordinateReader::ConvertDigits(std::string_view text, double value, int letter,
                                              int sign) {
    if (letter == 'R') {
        return SaturatedValue(text);
    }
    double result = DivideByPowerOfTen(value, ImpliedDecimals(text.size()));
    if (sign < 0) {
        result = 0.0 - result;
    }
    switch (letter) {
        case 'X':
            return MoveTo(currentX, result);
        case 'Y':
            return MoveTo(currentY, result);
        case 'A':
            return MoveTo(currentA, result);
        default:
            return result;
    }
}

int CoordinateReader::SaturatedValue(std::string_view text) {
    long long value = 0;
    for (const char digit : text) {
        value = std::min<long long>(value * 10 + (digit - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

inline long long CoordinateReader::ImpliedDecimals(std::size_t length) const {
    const long long count = static_cast<long long>(length);
    if (settings.zeroTruncation == CDrillMachineFormat::TRAILING && count < DigitLimit()) {
        return count - settings.integerDigits;
    }
    return settings.decimalDigits;
}

double CoordinateReader::DigitValue(std::string_view text) {
    if (text.size() > CharacterSource::kDigitsInValue) {
        return std::strtod(std::string(text).c_str(), nullptr);
    }
    std::uint64_t value = 0;
    for (const char digit : text) {
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return static_cast<double>(value);
}

inline double CoordinateReader::DivideByPowerOfTen(double value, long long exponent) {
    // Zero stays zero even where 10^exponent under- or overflows a double.
    if (value == 0.0) {
        return 0.0;
    }
    if (exponent >= 0 && exponent <= kTabledExponents) {
        return value / kPowersOfTen[exponent];
    }
    if (exponent < 0 && exponent >= -kTabledExponents) {
        return value / kNegativePowersOfTen[-exponent];
    }
    return value / std::pow(10.0, static_cast<double>(exponent));
}

inline double CoordinateReader::MoveTo(double& position, double value) const {
    if (settings.stepMode == CDrillMachineFormat::INCREMENTAL) {
        value += position;
    }
    position = value;
    return value;
}

inline long long CoordinateReader::DigitLimit() const {
    return static_cast<long long>(settings.integerDigits) + settings.decimalDigits;
}

void CoordinateReader::WarnAboutLength(std::string_view digits) const {
    const long long limit = DigitLimit();
    if (static_cast<long long>(digits.size()) <= limit) {
        return;
    }
    const int shownLimit = static_cast<int>(std::clamp<long long>(limit, INT_MIN, INT_MAX));
    WriteMessage(messageStream, 24, std::string(digits).c_str(), shownLimit, source.LineNumber());
    EndMessageLine();
}

void CoordinateReader::WarnAboutTrailingZero(std::string_view digits) const {
    if (settings.zeroTruncation != CDrillMachineFormat::TRAILING || digits.empty() ||
        digits.back() != '0' || digits.find_first_not_of('0') == std::string_view::npos) {
        return;
    }
    WriteMessage(messageStream, 23, source.LineNumber());
    EndMessageLine();
}

void CoordinateReader::EndMessageLine() const {
    if (messageStream != nullptr) {
        std::fputc('\n', messageStream);
    }
}

NCTokenType CoordinateReader::TokenTypeOf(int letter) {
    switch (letter) {
        case 'X':
            return TOKEN_X;
        case 'Y':
            return TOKEN_Y;
        case 'A':
            return TOKEN_A;
        case 'I':
            return TOKEN_I;
        case 'J':
            return TOKEN_J;
        default:
            return TOKEN_R;
    }
}

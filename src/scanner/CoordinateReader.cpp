#include "scanner/CoordinateReader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "messages/MessageTable.h"

CoordinateReader::CoordinateReader(CharacterSource& source, const CharacterClassTable& classes,
                                   const CDrillMachineFormat& settings, MessageOutput messages)
    : source(source),
      classes(classes),
      settings(settings),
      messages(messages),
      coordinateLetters(classes.IsNumberLetter('X') && classes.IsNumberLetter('Y')) {
    TakeFormat();
}

void CoordinateReader::TakeFormat() {
    constexpr auto kLongestPlainRun = static_cast<long long>(CharacterSource::kDigitsInValue);
    integerDigits = settings.integerDigits;
    decimalDigits = settings.decimalDigits;
    digitLimit = integerDigits + decimalDigits;
    plainDigitLimit = std::min(digitLimit, static_cast<long long>(CharacterSource::kDigitsInValue));
    trailing = settings.zeroTruncation == CDrillMachineFormat::TRAILING;
    for (long long length = 0; length <= kLongestPlainRun; ++length) {
        const long long exponent = ImpliedDecimals(static_cast<std::size_t>(length));
        divisorOfLength[length] = 0.0;
        if (length > plainDigitLimit || std::llabs(exponent) > kTabledExponents) {
            continue;
        }
        divisorOfLength[length] =
            exponent >= 0 ? kPowersOfTen[exponent] : kNegativePowersOfTen[-exponent];
    }
}

bool CoordinateReader::ReadNumber(int letter, NCToken& token) {
    CharacterSource::NumberText number;
    int c = source.NextChar();
    if (c == '-') {
        number.sign = -1;
        c = source.NextChar();
    } else if (!classes.IsDigit(c)) {
        messages.Write(kNumberExpected, MessageKind::Neither, token.line, letter, token.line);
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

double CoordinateReader::CheckedValue(NCTokenType type, CharacterSource::DigitRun run, int sign,
                                      int line) {
    const std::string_view digits = run.text;
    if (static_cast<long long>(digits.size()) > digitLimit) {
        WarnAboutLength(digits, line);
    }
    if (trailing && EndsInZero(digits)) {
        WarnAboutTrailingZero(digits, line);
    }
    const double value = digits.size() <= CharacterSource::kDigitsInValue
                             ? static_cast<double>(run.value)
                             : DigitValue(digits);
    return ConvertDigits(digits, value, type, sign);
}

int CoordinateReader::SaturatedValue(std::string_view text) {
    long long value = 0;
    for (const char digit : text) {
        value = std::min<long long>(value * 10 + (digit - '0'), INT_MAX);
    }
    return static_cast<int>(value);
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

double CoordinateReader::DivideByUntabledPowerOfTen(double value, long long exponent) {
    // 10^exponent may under- or overflow a double, and 0 / 0 would not be 0.
    if (value == 0.0) {
        return 0.0;
    }
    return value / std::pow(10.0, static_cast<double>(exponent));
}

void CoordinateReader::WarnAboutLength(std::string_view digits, int line) const {
    const int shownLimit = static_cast<int>(std::clamp<long long>(digitLimit, INT_MIN, INT_MAX));
    messages.WriteLine(kNumberTooLong, MessageKind::Neither, line, std::string(digits).c_str(),
                       shownLimit, line);
}

void CoordinateReader::WarnAboutTrailingZero(std::string_view digits, int line) const {
    if (digits.find_first_not_of('0') == std::string_view::npos) {
        return;
    }
    messages.WriteLine(kTrailingZeroWritten, MessageKind::Neither, line, line);
}

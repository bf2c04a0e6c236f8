#include "writer/CoordinateText.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "scanner/CoordinateReader.h"

namespace {

// Decimals that hold every nanometre once rounded back: a millimetre is 10^6 nm, and 10^-8 inch
// is 0.254 nm, less than the half nanometre the reading rounds by.
constexpr int kAutoMillimetreDecimals = 6;
constexpr int kAutoInchDecimals = 8;
// Bounds of the exact count of steps.
constexpr int kMostExactDecimals = 9;
constexpr double kMostExactNanometres = 4294967296.0;
// How near a half of a step a count worked out in double arithmetic is worked out again exactly.
constexpr double kNearHalf = 1e-6;

// Writes the decimal digits of value, at least minimum of them with leading zeros, so that they
// end just before end; returns their number.
int WriteDigitsBefore(unsigned long long value, char* end, int minimum) {
    int count = 0;
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
        ++count;
    } while (value != 0);
    for (; count < minimum; ++count) {
        *--end = '0';
    }
    return count;
}

unsigned long long Magnitude(long long steps) {
    return steps < 0 ? 0ULL - static_cast<unsigned long long>(steps)
                     : static_cast<unsigned long long>(steps);
}

int DigitCount(unsigned long long value) {
    int count = 1;
    for (; value >= 10; value /= 10) {
        ++count;
    }
    return count;
}

unsigned long long PowerOfTen(int exponent) {
    unsigned long long power = 1;
    for (int index = 0; index < exponent; ++index) {
        power *= 10;
    }
    return power;
}

}  // namespace

CoordinateText::CoordinateText(const CDrillMachineFormat& format)
    : autoReading(format.dataType == CDrillMachineFormat::AUTO),
      zeroTruncation(format.zeroTruncation),
      integerDigits(format.integerDigits),
      decimals(format.decimalDigits),
      unitLength(format.unitLength),
      unit(ExactLength::UnitOf(format.unit)) {
    if (autoReading) {
        decimals =
            format.unit == CDrillMachineFormat::MM ? kAutoMillimetreDecimals : kAutoInchDecimals;
    }
    stepsPerNanometre = std::pow(10.0, decimals) / unitLength;
}

bool CoordinateText::NearestSteps(double nanometres, long long& steps) const {
    const double count = nanometres * stepsPerNanometre;
    // Away from a half, adding a half and truncating rounds as std::round does, without its
    // call.
    const double nearest = std::trunc(count + (count < 0.0 ? -0.5 : 0.5));
    if (!(std::fabs(nearest) < 9e18)) {
        return false;
    }
    steps = static_cast<long long>(nearest);
    // Near a half the product may have rounded across it; whole nanometres of 32 bits times
    // 10^decimals fit 64 bits up to 9 decimals, where the count and its halves are exact.
    if (std::fabs(std::fabs(count - std::trunc(count)) - 0.5) < kNearHalf &&
        decimals <= kMostExactDecimals && nanometres == std::trunc(nanometres) &&
        std::fabs(nanometres) <= kMostExactNanometres) {
        const long long scaled =
            static_cast<long long>(nanometres) * static_cast<long long>(PowerOfTen(decimals));
        const long long unitNanometres = static_cast<long long>(unitLength);
        const long long remainder = scaled % unitNanometres;
        steps = scaled / unitNanometres;
        if (2 * (remainder < 0 ? -remainder : remainder) >= unitNanometres) {
            steps += scaled < 0 ? -1 : 1;
        }
    }
    return true;
}

bool CoordinateText::Measure(long long steps, double& value) const {
    if (autoReading) {
        return true;
    }
    unsigned long long digitValue = Magnitude(steps);
    const int width = integerDigits + decimals;
    if (DigitCount(digitValue) > width) {
        return false;
    }
    long long implied = decimals;
    if (zeroTruncation == CDrillMachineFormat::TRAILING) {
        // The trailing zeros of the m + n digits are left out, and the reading aligns a shorter
        // text on the left.
        int length = digitValue == 0 ? 1 : width;
        while (digitValue != 0 && digitValue % 10 == 0) {
            digitValue /= 10;
            --length;
        }
        if (length < width) {
            implied = length - integerDigits;
        }
    }
    const double magnitude =
        CoordinateReader::DivideByPowerOfTen(static_cast<double>(digitValue), implied);
    value = steps < 0 ? 0.0 - magnitude : magnitude;
    return true;
}

void CoordinateText::Compose(long long steps, Text& text) const {
    char* digits = text.characters + text.length;
    if (steps < 0) {
        *digits++ = '-';
        ++text.length;
    }
    const unsigned long long magnitude = Magnitude(steps);
    text.length += autoReading ? ComposeAuto(magnitude, digits) : ComposeStrict(magnitude, digits);
}

int CoordinateText::ComposeStrict(unsigned long long magnitude, char* digits) const {
    // Leading zero suppression writes the digits alone, the others every digit of m + n, less
    // the trailing zeros under trailing zero suppression.
    int length = integerDigits + decimals;
    unsigned long long value = magnitude;
    if (zeroTruncation == CDrillMachineFormat::LEADING) {
        length = DigitCount(magnitude);
    } else if (zeroTruncation == CDrillMachineFormat::TRAILING) {
        length = magnitude == 0 ? 1 : length;
        for (; value != 0 && value % 10 == 0; value /= 10) {
            --length;
        }
    }
    WriteDigitsBefore(value, digits + length, length);
    return length;
}

int CoordinateText::ComposeAuto(unsigned long long magnitude, char* digits) const {
    const unsigned long long scale = PowerOfTen(decimals);
    char buffer[Text::kCapacity];
    char* const end = buffer + Text::kCapacity;
    // The fraction without its trailing zeros, but one digit at least.
    unsigned long long fraction = magnitude % scale;
    int fractionDigits = decimals;
    while (fractionDigits > 1 && fraction % 10 == 0) {
        fraction /= 10;
        --fractionDigits;
    }
    const int written = WriteDigitsBefore(fraction, end, fractionDigits);
    end[-written - 1] = '.';
    const int whole = WriteDigitsBefore(magnitude / scale, end - written - 1, 1);
    const int length = whole + 1 + written;
    std::memcpy(digits, end - length, static_cast<std::size_t>(length));
    return length;
}

ExactLength CoordinateText::AutoLength(long long steps) const {
    const unsigned long long magnitude = steps < 0 ? 0ULL - static_cast<unsigned long long>(steps)
                                                   : static_cast<unsigned long long>(steps);
    return ExactLength::FromDecimal(magnitude, decimals, steps < 0 ? -1 : 1, unit);
}

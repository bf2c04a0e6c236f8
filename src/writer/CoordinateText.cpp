#include "writer/CoordinateText.h"

#include <cmath>
#include <cstdint>

#include "scanner/CoordinateReader.h"

namespace {

// Decimals that hold every nanometre once rounded back: a millimetre is 10^6 nm, and 10^-8 inch
// is 0.254 nm, less than the half nanometre the reading rounds by.
constexpr int kAutoMillimetreDecimals = 6;
constexpr int kAutoInchDecimals = 8;
// Bounds of the exact count of steps.
constexpr int kMostExactDecimals = 9;
constexpr double kMostExactNanometres = 4294967296.0;

// Writes the decimal digits of value to text, the most significant first; returns their number.
int WriteDigits(unsigned long long value, char* text) {
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int index = 0; index < count; ++index) {
        text[index] = reversed[count - 1 - index];
    }
    return count;
}

unsigned long long Magnitude(long long steps) {
    return steps < 0 ? 0ULL - static_cast<unsigned long long>(steps)
                     : static_cast<unsigned long long>(steps);
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
    // Whole nanometres of 32 bits times 10^decimals fit 64 bits up to 9 decimals, where the
    // count and its halves are exact.
    if (decimals <= kMostExactDecimals && nanometres == std::trunc(nanometres) &&
        std::fabs(nanometres) <= kMostExactNanometres) {
        const long long scaled =
            static_cast<long long>(nanometres) * static_cast<long long>(PowerOfTen(decimals));
        const long long unitNanometres = static_cast<long long>(unitLength);
        const long long remainder = scaled % unitNanometres;
        steps = scaled / unitNanometres;
        if (2 * (remainder < 0 ? -remainder : remainder) >= unitNanometres) {
            steps += scaled < 0 ? -1 : 1;
        }
        return true;
    }
    const double count = std::round(nanometres * stepsPerNanometre);
    if (!(std::fabs(count) < 9e18)) {
        return false;
    }
    steps = static_cast<long long>(count);
    return true;
}

bool CoordinateText::Fits(long long steps) const {
    if (autoReading) {
        return true;
    }
    char digits[kTextCapacity];
    const long long limit = static_cast<long long>(integerDigits) + decimals;
    return decimals >= 0 && integerDigits >= 0 && WriteDigits(Magnitude(steps), digits) <= limit;
}

int CoordinateText::StrictDigits(unsigned long long magnitude, char* text) const {
    const int count = WriteDigits(magnitude, text);
    if (zeroTruncation == CDrillMachineFormat::LEADING) {
        return count;
    }
    // Every digit of m + n, leading zeros included.
    const int width = integerDigits + decimals;
    const int padding = width - count;
    for (int index = count - 1; index >= 0; --index) {
        text[index + padding] = text[index];
    }
    for (int index = 0; index < padding; ++index) {
        text[index] = '0';
    }
    int length = width;
    if (zeroTruncation == CDrillMachineFormat::TRAILING) {
        while (length > 1 && text[length - 1] == '0') {
            --length;
        }
    }
    return length;
}

void CoordinateText::Append(std::string& out, long long steps) const {
    char text[kTextCapacity + 2];
    int length = 0;
    if (steps < 0) {
        text[length++] = '-';
    }
    const unsigned long long magnitude = Magnitude(steps);
    if (!autoReading) {
        length += StrictDigits(magnitude, text + length);
        out.append(text, static_cast<std::size_t>(length));
        return;
    }
    const unsigned long long scale = PowerOfTen(decimals);
    length += WriteDigits(magnitude / scale, text + length);
    text[length++] = '.';
    char fraction[kTextCapacity];
    const int fractionDigits = WriteDigits(magnitude % scale, fraction);
    for (int index = fractionDigits; index < decimals; ++index) {
        text[length++] = '0';
    }
    for (int index = 0; index < fractionDigits; ++index) {
        text[length++] = fraction[index];
    }
    while (text[length - 1] == '0' && text[length - 2] != '.') {
        --length;
    }
    out.append(text, static_cast<std::size_t>(length));
}

double CoordinateText::StrictValue(long long steps) const {
    char text[kTextCapacity];
    const int length = StrictDigits(Magnitude(steps), text);
    const long long implied =
        zeroTruncation == CDrillMachineFormat::TRAILING && length < integerDigits + decimals
            ? length - integerDigits
            : decimals;
    const double magnitude = CoordinateReader::DivideByPowerOfTen(
        CoordinateReader::DigitValue(std::string_view(text, static_cast<std::size_t>(length))),
        implied);
    return steps < 0 ? 0.0 - magnitude : magnitude;
}

ExactLength CoordinateText::AutoLength(long long steps) const {
    return ExactLength::FromDecimal(Magnitude(steps), decimals, steps < 0 ? -1 : 1, unit);
}

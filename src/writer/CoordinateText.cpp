#include "writer/CoordinateText.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Decimals that hold every nanometre once rounded back: a millimetre is 10^6 nm, and 10^-8 inch
// is 0.254 nm, less than the half nanometre the reading rounds by.
constexpr int kAutoMillimetreDecimals = 6;
constexpr int kAutoInchDecimals = 8;
// Bounds of the exact count of steps.
constexpr int kMostExactDecimals = 9;
constexpr double kMostExactNanometres = 4294967296.0;

// The digits of 0 to 99, two by two, so that a number is written two digits a division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Powers of ten up to 10^19, the first beyond every count of 64 bits that a text holds.
constexpr unsigned long long kPowersOfTen[] = {1ULL,
                                               10ULL,
                                               100ULL,
                                               1000ULL,
                                               10000ULL,
                                               100000ULL,
                                               1000000ULL,
                                               10000000ULL,
                                               100000000ULL,
                                               1000000000ULL,
                                               10000000000ULL,
                                               100000000000ULL,
                                               1000000000000ULL,
                                               10000000000000ULL,
                                               100000000000000ULL,
                                               1000000000000000ULL,
                                               10000000000000000ULL,
                                               100000000000000000ULL,
                                               1000000000000000000ULL,
                                               10000000000000000000ULL};
constexpr int kTabledPowers = static_cast<int>(sizeof kPowersOfTen / sizeof kPowersOfTen[0]);

// Writes the last length decimal digits of value, with leading zeros, so that they end just
// before end. Pairs of digits from a table, and no library call for the zeros.
void WriteDigitsBefore(unsigned long long value, char* end, int length) {
    for (; value > 0xFFFFFFFFULL; value /= 100, length -= 2) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
    }
    // Below 2^32, as nearly every coordinate is, 32-bit divisions are the cheaper.
    std::uint32_t small = static_cast<std::uint32_t>(value);
    for (; length >= 2; small /= 100, length -= 2) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (small % 100), 2);
    }
    if (length == 1) {
        end[-1] = static_cast<char>('0' + small % 10);
    }
}

// Returns the number of decimal digits of value.
int DigitCount(unsigned long long value) {
    int count = 1;
    while (count < kTabledPowers && value >= kPowersOfTen[count]) {
        ++count;
    }
    return count;
}

unsigned long long PowerOfTen(int exponent) {
    return kPowersOfTen[exponent];
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
    // Without any digit not even 0 is written.
    const int width = integerDigits + decimals;
    digitLimit = width > 0 && width < kTabledPowers ? kPowersOfTen[width] : 0;
}

void CoordinateText::RoundNearHalf(double nanometres, long long& steps) const {
    // The product may have rounded across the half; whole nanometres of 32 bits times
    // 10^decimals fit 64 bits up to 9 decimals, where the count and its halves are exact.
    if (decimals > kMostExactDecimals || nanometres != std::trunc(nanometres) ||
        std::fabs(nanometres) > kMostExactNanometres) {
        return;
    }
    const long long scaled =
        static_cast<long long>(nanometres) * static_cast<long long>(PowerOfTen(decimals));
    const long long unitNanometres = static_cast<long long>(unitLength);
    const long long remainder = scaled % unitNanometres;
    steps = scaled / unitNanometres;
    if (2 * (remainder < 0 ? -remainder : remainder) >= unitNanometres) {
        steps += scaled < 0 ? -1 : 1;
    }
}

double CoordinateText::TrailingValue(unsigned long long magnitude) const {
    // The trailing zeros of the m + n digits are left out, and the reading aligns a shorter text
    // on the left.
    const int width = integerDigits + decimals;
    unsigned long long digitValue = magnitude;
    long long implied = decimals;
    int length = digitValue == 0 ? 1 : width;
    while (digitValue != 0 && digitValue % 10 == 0) {
        digitValue /= 10;
        --length;
    }
    if (length < width) {
        implied = length - integerDigits;
    }
    return CoordinateReader::DivideByPowerOfTen(static_cast<double>(digitValue), implied);
}

int CoordinateText::ComposeAt(long long steps, char* at) const {
    const int sign = steps < 0 ? 1 : 0;
    // The digits of a count of 0 or more overwrite the sign.
    *at = '-';
    const unsigned long long magnitude = Magnitude(steps);
    return sign +
           (autoReading ? ComposeAuto(magnitude, at + sign) : ComposeStrict(magnitude, at + sign));
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
    // The fraction without its trailing zeros, but one digit at least.
    unsigned long long fraction = magnitude % scale;
    int fractionDigits = decimals;
    while (fractionDigits > 1 && fraction % 10 == 0) {
        fraction /= 10;
        --fractionDigits;
    }
    const int whole = DigitCount(magnitude / scale);
    WriteDigitsBefore(magnitude / scale, digits + whole, whole);
    digits[whole] = '.';
    WriteDigitsBefore(fraction, digits + whole + 1 + fractionDigits, fractionDigits);
    return whole + 1 + fractionDigits;
}

ExactLength CoordinateText::AutoLength(long long steps) const {
    const unsigned long long magnitude = steps < 0 ? 0ULL - static_cast<unsigned long long>(steps)
                                                   : static_cast<unsigned long long>(steps);
    return ExactLength::FromDecimal(magnitude, decimals, steps < 0 ? -1 : 1, unit);
}

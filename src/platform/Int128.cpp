#include "platform/Int128.h"

#include <cmath>

Int128::operator double() const {
    // Within 64 bits the high half only repeats the sign of the low one.
    if (high == ((low & kSignBit) != 0 ? ~std::uint64_t{0} : 0)) {
        return static_cast<double>(static_cast<std::int64_t>(low));
    }
    const Int128 magnitude = IsNegative() ? -*this : *this;
    if (magnitude.high == 0) {
        const double value = static_cast<double>(magnitude.low);
        return IsNegative() ? -value : value;
    }
    // The top 64 bits round as the whole would, once a dropped one bit is kept as a sticky
    // lowest bit: a double keeps 53 of them, so the lowest only tells a tie from just above one.
    int shift = 0;
    for (std::uint64_t rest = magnitude.high; rest != 0; rest >>= 1) {
        ++shift;
    }
    const std::uint64_t top =
        shift == 64 ? magnitude.high : (magnitude.high << (64 - shift)) | (magnitude.low >> shift);
    const std::uint64_t dropped = shift == 64 ? magnitude.low : magnitude.low << (64 - shift);
    const double value = std::ldexp(static_cast<double>(top | (dropped != 0 ? 1 : 0)), shift);
    return IsNegative() ? -value : value;
}

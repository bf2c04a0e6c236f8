#include "interpreter/LengthConverter.h"

namespace {

// Bounds of the values a 32-bit signed integer holds once truncated toward zero.
constexpr double kBelowInt = -2147483649.0;
constexpr double kAboveInt = 2147483648.0;

}  // namespace

bool LengthConverter::ToNanometres(double value, int& result) const {
    return Truncate(value * unitLength, result);
}

bool LengthConverter::Truncate(double value, int& result) {
    // Written so that NaN fails the test as well.
    if (!(value > kBelowInt && value < kAboveInt)) {
        return false;
    }
    result = static_cast<int>(value);
    return true;
}

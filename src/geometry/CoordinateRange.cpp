#include "geometry/CoordinateRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

int CoordinateRange::RoundHalfAway(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = value >= 0.0 ? value + 0.5 : value - 0.5;
    return static_cast<int>(std::clamp(rounded, -double{kMax}, double{kMax}));
}

bool CoordinateRange::TruncateInRange(double value, int* result) {
    if (!(value > -kMax - 1.0 && value < kMax + 1.0)) {
        return false;
    }
    *result = static_cast<int>(value);
    return true;
}

int CoordinateRange::Add(int a, int b) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{a} + b, -kMax, kMax));
}

int CoordinateRange::Negate(int value) {
    return value == std::numeric_limits<int>::min() ? kMax : -value;
}

int CoordinateRange::ClampWide(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

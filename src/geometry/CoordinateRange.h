#pragma once

#include <cstdint>

// Converts and combines coordinates without leaving the 32-bit range. Results that do not fit
// saturate at +-2147483647, so that no operation turns a coordinate into the break-marker value
// -2147483648 by accident.
class CoordinateRange {
  public:
    static constexpr int kMax = 2147483647;

    // Rounds half away from zero, saturating at +-kMax; NaN becomes 0.
    static int RoundHalfAway(double value);
    // Truncates toward zero into *result and returns true, or returns false when value lies
    // outside +-kMax or is NaN.
    static bool TruncateInRange(double value, int* result);
    // Returns a + b, saturating at +-kMax.
    static int Add(int a, int b);
    // Returns -value; -2147483648 becomes kMax.
    static int Negate(int value);
    // Clamps a wide value into the whole 32-bit range, -2147483648 included.
    static int ClampWide(std::int64_t value);
};

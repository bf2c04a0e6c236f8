#pragma once

// Angle constants and conversions shared by the geometry kinds.

constexpr double kPi = 3.141592653589793238462643383279502884;
constexpr double kTwoPi = 2.0 * kPi;

// Converts an angle in ten-thousandths of a degree to radians.
constexpr double RadiansFromTenThousandths(int angle) {
    return angle / 10000.0 * kPi / 180.0;
}

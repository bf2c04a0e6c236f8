#pragma once

#include <cstdint>

// Running extents of geometry, kept wide so that growing them never overflows; written out
// clamped to the 32-bit range. Starts empty: minima 2147483647, maxima -2147483648.
class ExtentBox {
  public:
    ExtentBox() = default;
    // Starts from the given sides as they are, even when a minimum exceeds its maximum.
    ExtentBox(std::int64_t xmin, std::int64_t ymin, std::int64_t xmax, std::int64_t ymax);

    // Returns the box from (cx - reach, cy - reach) to (cx + reach, cy + reach).
    static ExtentBox AroundCentre(int cx, int cy, std::int64_t reach);

    // Widens the box to hold the point (x, y).
    void Merge(std::int64_t x, std::int64_t y);
    // Moves every side outward by amount (inward when it is negative).
    void Grow(std::int64_t amount);
    // Writes the four sides, each clamped to the 32-bit range.
    void Write(int* xmin, int* ymin, int* xmax, int* ymax) const;

  private:
    std::int64_t xmin = 2147483647;
    std::int64_t ymin = 2147483647;
    std::int64_t xmax = -2147483648LL;
    std::int64_t ymax = -2147483648LL;
};

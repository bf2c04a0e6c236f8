#pragma once

#include <array>

// Works on the four corner words x1, y1, x2, y2 of a rectangle record.
class RectCorners {
  public:
    // Swaps x1 and x2 when x1 > x2, then y1 and y2 when y1 > y2.
    static void PutInOrder(int* corners);
    // Returns 0, leaving the corners as they are, when the rectangle has no area; otherwise
    // puts the corners in order and returns 1.
    static int Validate(int* corners);
    // Returns the outline (x1, y1), (x2, y1), (x2, y2), (x1, y2) as eight vertex words.
    static std::array<int, 8> Outline(const int* corners);
};

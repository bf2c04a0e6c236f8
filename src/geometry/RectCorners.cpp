#include "geometry/RectCorners.h"

#include <utility>

void RectCorners::PutInOrder(int* corners) {
    if (corners[0] > corners[2]) {
        std::swap(corners[0], corners[2]);
    }
    if (corners[1] > corners[3]) {
        std::swap(corners[1], corners[3]);
    }
}

int RectCorners::Validate(int* corners) {
    if (corners[0] == corners[2] || corners[1] == corners[3]) {
        return 0;
    }
    PutInOrder(corners);
    return 1;
}

std::array<int, 8> RectCorners::Outline(const int* corners) {
    const int x1 = corners[0], y1 = corners[1], x2 = corners[2], y2 = corners[3];
    return {x1, y1, x2, y1, x2, y2, x1, y2};
}

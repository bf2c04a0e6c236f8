#include "interpreter/PanelPattern.h"

#include <climits>
#include <utility>

namespace {

bool FitsInt(long long value) {
    return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace

void PanelPattern::Begin(int line) {
    Forget();
    beginLine = line;
    recording = true;
    exists = true;
}

void PanelPattern::Forget() {
    items.clear();
    words.clear();
    size = 0;
    recording = false;
    exists = false;
}

bool PanelPattern::RecordHole(int x, int y, int tool) {
    const int vertex[kWordsPerVertex] = {x, y, 0};
    return Append(true, vertex, kWordsPerVertex, 0, tool);
}

bool PanelPattern::RecordContour(const int* contourWords, std::size_t count, int width, int tool) {
    return Append(false, contourWords, count, width, tool);
}

bool PanelPattern::Append(bool hole, const int* itemWords, std::size_t count, int width, int tool) {
    const long long vertices = static_cast<long long>(count / kWordsPerVertex);
    if (size + vertices > kMostItems) {
        return false;
    }
    if (size == 0) {
        originX = itemWords[0];
        originY = itemWords[1];
    }
    size += vertices;
    items.push_back({hole, tool, width, words.size(), count});
    words.insert(words.end(), itemWords, itemWords + count);
    return true;
}

bool PanelPattern::Place(int x, int y, const Placement& placement, int& placedX,
                         int& placedY) const {
    long long relativeX = static_cast<long long>(x) - originX;
    long long relativeY = static_cast<long long>(y) - originY;
    if (placement.swapAxes) {
        std::swap(relativeX, relativeY);
    }
    if (placement.mirrorX) {
        relativeX = -relativeX;
    }
    if (placement.mirrorY) {
        relativeY = -relativeY;
    }
    const long long newX = originX + relativeX + placement.shiftX;
    const long long newY = originY + relativeY + placement.shiftY;
    if (!FitsInt(newX) || !FitsInt(newY)) {
        return false;
    }
    placedX = static_cast<int>(newX);
    placedY = static_cast<int>(newY);
    return true;
}

int PanelPattern::PlaceRadius(int radius, const Placement& placement) {
    const bool reversed = placement.swapAxes != (placement.mirrorX != placement.mirrorY);
    // A radius is never INT_MIN: its magnitude fits in 32 bits.
    return reversed ? -radius : radius;
}

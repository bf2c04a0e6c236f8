#include "Extents.h"

#include <algorithm>

void Extents::AddPoint(double x, double y) {
    AddBox(x, y, 0.0, 0.0);
}

void Extents::AddBox(double centreX, double centreY, double halfX, double halfY) {
    if (empty_) {
        empty_ = false;
        minX_ = centreX - halfX;
        minY_ = centreY - halfY;
        maxX_ = centreX + halfX;
        maxY_ = centreY + halfY;
        return;
    }
    minX_ = std::min(minX_, centreX - halfX);
    minY_ = std::min(minY_, centreY - halfY);
    maxX_ = std::max(maxX_, centreX + halfX);
    maxY_ = std::max(maxY_, centreY + halfY);
}

void Extents::Merge(const Extents& other, double margin) {
    if (other.empty_) {
        return;
    }
    AddPoint(other.minX_ - margin, other.minY_ - margin);
    AddPoint(other.maxX_ + margin, other.maxY_ + margin);
}

#include "geometry/ExtentBox.h"

#include <algorithm>

#include "geometry/CoordinateRange.h"

ExtentBox::ExtentBox(std::int64_t xmin, std::int64_t ymin, std::int64_t xmax, std::int64_t ymax)
    : xmin(xmin), ymin(ymin), xmax(xmax), ymax(ymax) {}

ExtentBox ExtentBox::AroundCentre(int cx, int cy, std::int64_t reach) {
    return ExtentBox(cx - reach, cy - reach, cx + reach, cy + reach);
}

void ExtentBox::Merge(std::int64_t x, std::int64_t y) {
    xmin = std::min(xmin, x);
    ymin = std::min(ymin, y);
    xmax = std::max(xmax, x);
    ymax = std::max(ymax, y);
}

void ExtentBox::Grow(std::int64_t amount) {
    xmin -= amount;
    ymin -= amount;
    xmax += amount;
    ymax += amount;
}

void ExtentBox::Write(int* xminOut, int* yminOut, int* xmaxOut, int* ymaxOut) const {
    *xminOut = CoordinateRange::ClampWide(xmin);
    *yminOut = CoordinateRange::ClampWide(ymin);
    *xmaxOut = CoordinateRange::ClampWide(xmax);
    *ymaxOut = CoordinateRange::ClampWide(ymax);
}

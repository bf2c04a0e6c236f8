#include "geometry/PlaneCalc.h"

#include <algorithm>
#include <cmath>

#include "geometry/Angles.h"
#include "geometry/CoordinateRange.h"
#include "geometry/ExtentBox.h"

namespace {

// Unit directions of the four axis crossings, counter-clockwise from the positive x axis.
constexpr double kAxisDirections[4][2] = {{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}};

// Returns angle reduced into [0, 2pi].
double Normalized(double angle) {
    const double reduced = std::fmod(angle, kTwoPi);
    return reduced < 0.0 ? reduced + kTwoPi : reduced;
}

// Widens box to hold the real point (x, y), rounding outward.
void MergeOutward(ExtentBox& box, double x, double y) {
    box.Merge(static_cast<std::int64_t>(std::floor(x)), static_cast<std::int64_t>(std::floor(y)));
    box.Merge(static_cast<std::int64_t>(std::ceil(x)), static_cast<std::int64_t>(std::ceil(y)));
}

// Widens box to hold the point at distance reach from the centre in the direction (dx, dy),
// whose length is length; a zero direction adds nothing.
void MergeAtReach(ExtentBox& box, double xc, double yc, double dx, double dy, double length,
                  double reach) {
    if (length > 0.0) {
        MergeOutward(box, xc + dx * (reach / length), yc + dy * (reach / length));
    }
}

}  // namespace

void pcRotateVertex(double angle, int cx, int cy, int* x, int* y) {
    const double dx = static_cast<double>(*x) - cx;
    const double dy = static_cast<double>(*y) - cy;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    *x = CoordinateRange::RoundHalfAway(cx + dx * c - dy * s);
    *y = CoordinateRange::RoundHalfAway(cy + dx * s + dy * c);
}

double pcAngleOfLine(int x1, int y1, int x2, int y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (dx == 0.0 && dy == 0.0) {
        return 0.0;
    }
    return std::atan2(dy, dx);
}

void pcCircularArcRange(int xs, int ys, int xe, int ye, int xc, int yc, int radius, int clockwise,
                        int* xa, int* ya, int* xb, int* yb) {
    const double sx = static_cast<double>(xs) - xc;
    const double sy = static_cast<double>(ys) - yc;
    const double ex = static_cast<double>(xe) - xc;
    const double ey = static_cast<double>(ye) - yc;
    const double startLength = std::hypot(sx, sy);
    const double endLength = std::hypot(ex, ey);
    const double radiusLength = std::fabs(static_cast<double>(radius));
    const double reach = std::max({radiusLength, startLength, endLength});
    const double inner = std::min({radiusLength, startLength, endLength});

    ExtentBox box;
    box.Merge(xs, ys);
    box.Merge(xe, ye);
    for (const double length : {inner, reach}) {
        MergeAtReach(box, xc, yc, sx, sy, startLength, length);
        MergeAtReach(box, xc, yc, ex, ey, endLength, length);
    }

    // A clockwise arc from start to end covers the same points as the counter-clockwise arc
    // from end to start.
    const double from = clockwise ? std::atan2(ey, ex) : std::atan2(sy, sx);
    const double to = clockwise ? std::atan2(sy, sx) : std::atan2(ey, ex);
    double sweep = Normalized(to - from);
    if (sweep == 0.0) {
        sweep = kTwoPi;
    }
    for (int quarter = 0; quarter < 4; ++quarter) {
        if (Normalized(quarter * (kPi / 2.0) - from) <= sweep) {
            MergeOutward(box, xc + kAxisDirections[quarter][0] * reach,
                         yc + kAxisDirections[quarter][1] * reach);
        }
    }
    box.Write(xa, ya, xb, yb);
}

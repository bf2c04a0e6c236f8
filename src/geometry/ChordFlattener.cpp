#include "geometry/ChordFlattener.h"

#include <cmath>
#include <cstdint>

#include "geometry/Angles.h"
#include "geometry/CoordinateRange.h"
#include "geometry/VertexChain.h"
#include "perforex/VbVrtxGeom.h"

namespace {

// Returns the direction from the centre to a point at offset (dx, dy), in [0, 2pi).
double DirectionOf(double dx, double dy) {
    if (dy == 0.0) {
        return dx < 0.0 ? kPi : 0.0;
    }
    if (dx == 0.0) {
        return dy < 0.0 ? 3.0 * kPi / 2.0 : kPi / 2.0;
    }
    const double t = std::atan(std::fabs(dy / dx));
    if (dy < 0.0) {
        return dx > 0.0 ? kTwoPi - t : kPi + t;
    }
    return dx < 0.0 ? kPi - t : t;
}

double DirectionOf(const int* point, const int* centre) {
    return DirectionOf(static_cast<double>(point[0]) - centre[0],
                       static_cast<double>(point[1]) - centre[1]);
}

// Returns the factor that turns a radius into the chord-point radius for chords spanning delta
// radians.
double ChordRadiusFactor(double delta) {
    return 0.5 + 1.0 / (2.0 * std::cos(delta / 2.0));
}

}  // namespace

void ChordFlattener::AddCircle(int cx, int cy, int r, int stepDegrees, bool counterClockwise) {
    if (stepDegrees < 1 || stepDegrees > 360) {
        return;
    }
    const int count = 360 / stepDegrees;
    const double delta = kTwoPi / count;
    const double radius = r * ChordRadiusFactor(delta);
    double angle = 0.0;
    for (int k = 0; k < count; ++k) {
        AddOnRadius(cx, cy, radius, angle);
        angle += counterClockwise ? delta : -delta;
    }
}

void ChordFlattener::AddPolyarc(const int* vertexWords, int wordCount, int stepDegrees) {
    const VertexChain chain(vertexWords, wordCount, 3);
    const int count = chain.Count();
    if (stepDegrees == 0) {
        return;
    }
    if (count == 1 || (count == 2 && !chain.IsCentre(1))) {
        for (int i = 0; i < count; ++i) {
            AddPoint(chain.Vertex(i)[0], chain.Vertex(i)[1]);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int* vertex = chain.Vertex(i);
        if (chain.IsCentre(i)) {
            continue;
        }
        AddPoint(vertex[0], vertex[1]);
        if (i == count - 1) {
            break;
        }
        const bool isBreak =
            vertex[0] == CVbVrtxGeom::kBreakMarker && vertex[1] == CVbVrtxGeom::kBreakMarker;
        if (!isBreak && chain.IsCentre(i + 1)) {
            const int end = i + 2 < count ? i + 2 : 0;
            AddArcChords(vertex, chain.Vertex(i + 1), chain.Vertex(end), stepDegrees);
        }
    }
}

void ChordFlattener::AddPoint(int x, int y) {
    words.push_back(x);
    words.push_back(y);
}

void ChordFlattener::AddOnRadius(int cx, int cy, double radius, double angle) {
    int x = 0;
    int y = 0;
    const bool fits = CoordinateRange::TruncateInRange(std::cos(angle) * radius + cx, &x) &&
                      CoordinateRange::TruncateInRange(std::sin(angle) * radius + cy, &y);
    outOfRange = outOfRange || !fits;
    AddPoint(x, y);
}

void ChordFlattener::AddArcChords(const int* start, const int* centre, const int* end,
                                  int stepDegrees) {
    const bool clockwise = centre[2] > 0;
    const double a0 = DirectionOf(start, centre);
    double a1 = DirectionOf(end, centre);
    if (clockwise && a0 < a1) {
        a1 -= kTwoPi;
    } else if (!clockwise && a1 < a0) {
        a1 += kTwoPi;
    }
    double sweep = a1 - a0;
    if (sweep == 0.0) {
        sweep = clockwise ? -kTwoPi : kTwoPi;
    }
    const double step = stepDegrees * kPi / 180.0 * (clockwise ? -1.0 : 1.0);
    // The sweep is at most a full turn and the step at least a degree, so the count fits.
    const std::int16_t count = static_cast<std::int16_t>(static_cast<int>(sweep / step));
    const double delta = count != 0 ? sweep / count : step;
    const double radius = std::fabs(centre[2] * ChordRadiusFactor(delta));
    for (int k = 1; k < count; ++k) {
        AddOnRadius(centre[0], centre[1], radius, a0 + k * delta);
    }
}

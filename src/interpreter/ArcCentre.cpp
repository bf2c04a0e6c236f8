#include "interpreter/ArcCentre.h"

#include <cmath>

#include "geometry/PlaneCalc.h"

namespace {

// Returns the direction from the start point to the centre: the chord's direction turned by
// the angle between chord and radius, to the right for a clockwise arc.
double CentreDirection(ArcCentre::Point start, ArcCentre::Point end, int signedRadius) {
    const double dx = static_cast<double>(end.x) - start.x;
    const double dy = static_cast<double>(end.y) - start.y;
    const double halfChord = 0.5 * std::sqrt(dx * dx + dy * dy);
    // A radius shorter than half the chord is widened to it, which puts the centre on the chord.
    double radius = signedRadius;
    const double wholeHalfChord = std::trunc(halfChord);
    if (wholeHalfChord > std::fabs(radius)) {
        radius = signedRadius < 0 ? -wholeHalfChord : wholeHalfChord;
    }
    const double chordAngle = pcAngleOfLine(start.x, start.y, end.x, end.y);
    const double turn =
        halfChord < std::fabs(radius) ? std::acos(halfChord / std::fabs(radius)) : 0.0;
    return radius >= 0 ? chordAngle - turn : chordAngle + turn;
}

// Writes value rounded to the nearest integer, halves away from zero, to result; returns false
// when that does not fit in 32 bits.
bool Round(double value, int& result) {
    // Written so that NaN fails the test as well.
    if (!(value > -2147483648.5 && value < 2147483647.5)) {
        return false;
    }
    result = static_cast<int>(std::lround(value));
    return true;
}

}  // namespace

bool ArcCentre::Place(Point start, Point end, const ArcWords& words, const LengthConverter& lengths,
                      Vertex& centre) {
    const double unit = lengths.UnitLength();
    const bool byRadius = words.i == 0.0 && words.j == 0.0;
    const double radius = byRadius ? words.a : std::sqrt(words.i * words.i + words.j * words.j);
    const double magnitude = std::fabs(radius * unit);
    int signedRadius = 0;
    if (!LengthConverter::Truncate(words.clockwise ? magnitude : -magnitude, signedRadius)) {
        return false;
    }
    const double direction = CentreDirection(start, end, signedRadius);
    const double cosine = std::cos(direction);
    const double sine = std::sin(direction);
    double cx = 0.0;
    double cy = 0.0;
    if (byRadius) {
        cx = start.x + std::trunc(magnitude * cosine);
        cy = start.y + std::trunc(magnitude * sine);
    } else {
        // The offsets take their direction from the computed centre, not from their own sign.
        cx = cosine >= 0 ? start.x + words.i * unit : start.x - words.i * unit;
        cy = sine >= 0 ? start.y + words.j * unit : start.y - words.j * unit;
    }
    int x = 0;
    int y = 0;
    if (!LengthConverter::Truncate(cx, x) || !LengthConverter::Truncate(cy, y)) {
        return false;
    }
    centre = {x, y, signedRadius};
    return true;
}

bool ArcCentre::PlaceByRadius(Point start, Point end, double radius, bool clockwise,
                              Vertex& centre) {
    int magnitude = 0;
    if (!Round(radius, magnitude)) {
        return false;
    }
    const int signedRadius = clockwise ? magnitude : -magnitude;
    const double direction = CentreDirection(start, end, signedRadius);
    int x = 0;
    int y = 0;
    if (!Round(start.x + std::round(radius * std::cos(direction)), x) ||
        !Round(start.y + std::round(radius * std::sin(direction)), y)) {
        return false;
    }
    centre = {x, y, signedRadius};
    return true;
}

bool ArcCentre::PlaceByOffsets(ExactLength centreX, ExactLength centreY, ExactLength i,
                               ExactLength j, bool clockwise, Vertex& centre) {
    int x = 0;
    int y = 0;
    int radius = 0;
    if (!centreX.ToNanometres(x) || !centreY.ToNanometres(y) ||
        !Round(std::hypot(i.Nanometres(), j.Nanometres()), radius)) {
        return false;
    }
    centre = {x, y, clockwise ? radius : -radius};
    return true;
}

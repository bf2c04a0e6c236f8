#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "GeometryTestSupport.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// One random arc as the interpreter stores it: start point, centre vertex, end point.
struct RandomArc {
    int sx, sy, cx, cy, ex, ey, radius;
    bool clockwise;
    double startAngle;  // direction of the integer start point from the centre
    double sweep;       // signed sweep to the integer end point, a full turn when they coincide

    std::vector<int> Words() const {
        return {sx, sy, 0, cx, cy, clockwise ? radius : -radius, ex, ey, 0};
    }
};

RandomArc MakeArc(std::mt19937& random) {
    std::uniform_int_distribution<int> centre(-100000000, 100000000);
    std::uniform_int_distribution<int> radius(100, 10000000);
    std::uniform_real_distribution<double> angle(0.0, 2.0 * kPi);
    RandomArc arc{};
    arc.cx = centre(random);
    arc.cy = centre(random);
    arc.radius = radius(random);
    arc.clockwise = random() % 2 == 0;
    const double from = angle(random);
    const double to = angle(random);
    arc.sx = static_cast<int>(std::lround(arc.cx + arc.radius * std::cos(from)));
    arc.sy = static_cast<int>(std::lround(arc.cy + arc.radius * std::sin(from)));
    arc.ex = static_cast<int>(std::lround(arc.cx + arc.radius * std::cos(to)));
    arc.ey = static_cast<int>(std::lround(arc.cy + arc.radius * std::sin(to)));
    arc.startAngle = std::atan2(arc.sy - arc.cy, arc.sx - arc.cx);
    const double endAngle = std::atan2(arc.ey - arc.cy, arc.ex - arc.cx);
    const double turn = arc.clockwise ? arc.startAngle - endAngle : endAngle - arc.startAngle;
    double magnitude = std::fmod(turn + 4.0 * kPi, 2.0 * kPi);
    if (magnitude == 0.0) {
        magnitude = 2.0 * kPi;
    }
    arc.sweep = arc.clockwise ? -magnitude : magnitude;
    return arc;
}

TEST(PolyarcProperty, ExtentsHoldEveryPointOfTheArc) {
    std::mt19937 random(20240607);
    for (int trial = 0; trial < 2000; ++trial) {
        const RandomArc arc = MakeArc(random);
        const std::vector<int> words = arc.Words();
        const CVbPolyarcPath path(0, words.data(), 9, 0, 0, 0, 0);
        const std::array<int, 4> box = Extents(path);
        const double startRadius = std::hypot(arc.sx - arc.cx, arc.sy - arc.cy);
        const double endRadius = std::hypot(arc.ex - arc.cx, arc.ey - arc.cy);
        for (int k = 0; k <= 256; ++k) {
            const double t = k / 256.0;
            const double theta = arc.startAngle + arc.sweep * t;
            // The arc at the stored radius, and the one drawn through both integer ends.
            for (const double radius :
                 {double(arc.radius), startRadius + (endRadius - startRadius) * t}) {
                const double x = arc.cx + radius * std::cos(theta);
                const double y = arc.cy + radius * std::sin(theta);
                ASSERT_GE(x, box[0] - 1e-3) << "trial " << trial << " sample " << k;
                ASSERT_GE(y, box[1] - 1e-3) << "trial " << trial << " sample " << k;
                ASSERT_LE(x, box[2] + 1e-3) << "trial " << trial << " sample " << k;
                ASSERT_LE(y, box[3] + 1e-3) << "trial " << trial << " sample " << k;
            }
        }
    }
}

TEST(PolyarcProperty, ChordPointsLieOnTheChordRadiusAtEvenSteps) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> stepDegrees(1, 90);
    int checkedPoints = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const RandomArc arc = MakeArc(random);
        const int degrees = stepDegrees(random);
        const double step = degrees * kPi / 180.0;
        const double ratio = std::fabs(arc.sweep) / step;
        if (std::fabs(ratio - std::round(ratio)) < 1e-6) {
            continue;  // the chord count could fall either way
        }
        const int n = static_cast<int>(ratio);
        const double delta = n != 0 ? arc.sweep / n : 0.0;
        const double chordRadius = arc.radius * (0.5 + 1.0 / (2.0 * std::cos(delta / 2.0)));
        ASSERT_GE(chordRadius, arc.radius);
        ASSERT_LE(chordRadius, arc.radius / std::cos(delta / 2.0));

        const std::vector<int> words = arc.Words();
        const Owned polygon(CVbPolyarcPath(0, words.data(), 9, 0, 0, 0, 0).ToPolygon(degrees));
        ASSERT_NE(polygon, nullptr);
        const std::vector<int> points = VertexWords(*polygon);
        const int chordPoints = n > 1 ? n - 1 : 0;
        ASSERT_EQ(points.size(), 2u * (chordPoints + 2)) << "trial " << trial;
        EXPECT_EQ(points[0], arc.sx);
        EXPECT_EQ(points.back(), arc.ey);
        for (int k = 1; k <= chordPoints; ++k) {
            const double dx = points[2 * k] - static_cast<double>(arc.cx);
            const double dy = points[2 * k + 1] - static_cast<double>(arc.cy);
            // Truncating each coordinate moves a point by less than sqrt(2).
            ASSERT_NEAR(std::hypot(dx, dy), chordRadius, std::sqrt(2.0)) << "trial " << trial;
            const double expected = arc.startAngle + k * delta;
            const double off = std::remainder(std::atan2(dy, dx) - expected, 2.0 * kPi);
            ASSERT_LE(std::fabs(off), 2.0 / chordRadius) << "trial " << trial << " point " << k;
            ++checkedPoints;
        }
    }
    EXPECT_GT(checkedPoints, 10000);
}

}  // namespace

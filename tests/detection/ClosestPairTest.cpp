#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "detection/ClosestPair.h"

namespace {

using Point = ClosestPair::Point;

// The smallest distance of all pairs of distinct finite points, 0 when there are no two.
double OfAllPairs(const std::vector<Point>& points) {
    double best = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const Point& a = points[i];
            const Point& b = points[j];
            if (!std::isfinite(a.first + a.second + b.first + b.second) || a == b) {
                continue;
            }
            const double distance = std::hypot(b.first - a.first, b.second - a.second);
            best = best == 0.0 ? distance : std::min(best, distance);
        }
    }
    return best;
}

// Sets shaped as programs shape holes: scattered, on a grid with repeated holes, in a row, and a
// slanting line whose x differ so little that every point lies in the strip of every other.
std::vector<std::vector<Point>> PointSets() {
    std::mt19937 random(20261206);
    std::vector<std::vector<Point>> sets(4);
    for (int index = 0; index < 400; ++index) {
        sets[0].emplace_back(random() % 5000, random() % 5000);
        sets[1].emplace_back(2.54 * (random() % 20), 1.27 * (random() % 20));
        sets[2].emplace_back(0.1 * (random() % 100000), 7.0);
        sets[3].emplace_back(1e-9 * index, 0.5 * index + 0.001 * (random() % 100));
    }
    return sets;
}

TEST(ClosestPair, IsTheClosestOfAllPairs) {
    for (const std::vector<Point>& points : PointSets()) {
        EXPECT_EQ(ClosestPair::Distance(points), OfAllPairs(points));
    }
}

// -0.0 is 0.0, a point given twice is one, and points that are not finite are left out.
TEST(ClosestPair, CountsEachPlaceOnceAndLeavesOutPointsThatAreNotFinite) {
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(
        ClosestPair::Distance(
            {{-0.0, 1.0}, {0.0, 1.0}, {3.0, 5.0}, {nan, 1.0}, {infinity, 5.0}, {3.0, -infinity}}),
        5.0);
    EXPECT_EQ(ClosestPair::Distance({{2.0, 2.0}, {2.0, 2.0}}), 0.0);
    EXPECT_EQ(ClosestPair::Distance({}), 0.0);
}

}  // namespace

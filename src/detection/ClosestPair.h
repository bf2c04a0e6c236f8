#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Finds the distance of the closest two distinct points of a set exactly: the points are sorted
// by x, then by y among equal x, and each is compared with the points after it that lie within
// the closest distance found so far. Points that crowd into many narrow columns are left to a
// sweep whose cost stays within n log n.
class ClosestPair {
  public:
    using Point = std::pair<double, double>;

    // Returns the smallest std::hypot of the coordinate differences of two distinct points, or 0
    // when there are no two; points with a coordinate that is not finite are left out.
    static double Distance(std::vector<Point> points);

  private:
    // Sorts by x, then y; -0.0 counts as 0.0.
    static void Sort(std::vector<Point>& points);
    // Returns the distance, or a negative value when the points crowd so that the scan would
    // take more than a bounded number of steps.
    static double Scan(const std::vector<Point>& points);
    // Returns the distance by a sweep from left to right over a window ordered by y.
    static double Sweep(const std::vector<Point>& points);
};

#pragma once

#include <vector>

#include "detection/ClosestPair.h"

// Finds for each point of a set the distance to its nearest distinct point among the few that
// follow and precede it when the set is sorted by x and when it is sorted by y. That finds the
// neighbour along a row or a column of holes and around a small ring of them at a cost of n log n
// whatever the set; it may miss a nearer point that neither order puts close, so each distance
// is at least the true one.
class NearestNeighbours {
  public:
    // Returns one distance for each point, in the order of points; infinity for a point with no
    // distinct point in reach or with a coordinate that is not finite.
    static std::vector<double> Distances(const std::vector<ClosestPair::Point>& points);

  private:
    // Points compared on each side of a point in each order.
    static constexpr int kReach = 12;
    // Lowers each distance to the nearest of the points around it in the order given.
    static void Scan(const std::vector<ClosestPair::Point>& points,
                     const std::vector<unsigned>& order, std::vector<double>& distances);
};

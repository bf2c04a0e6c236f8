#include "detection/NearestNeighbours.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::vector<double> NearestNeighbours::Distances(const std::vector<ClosestPair::Point>& points) {
    std::vector<double> distances(points.size(), std::numeric_limits<double>::infinity());
    // A point with a coordinate that is not finite has no place to compare, nor an order.
    std::vector<unsigned> order;
    order.reserve(points.size());
    for (unsigned index = 0; index < points.size(); ++index) {
        if (std::isfinite(points[index].first) && std::isfinite(points[index].second)) {
            order.push_back(index);
        }
    }
    std::sort(order.begin(), order.end(),
              [&](unsigned a, unsigned b) { return points[a] < points[b]; });
    Scan(points, order, distances);
    std::sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
        return std::make_pair(points[a].second, points[a].first) <
               std::make_pair(points[b].second, points[b].first);
    });
    Scan(points, order, distances);
    return distances;
}

void NearestNeighbours::Scan(const std::vector<ClosestPair::Point>& points,
                             const std::vector<unsigned>& order, std::vector<double>& distances) {
    const std::size_t count = order.size();
    for (std::size_t at = 0; at < count; ++at) {
        const ClosestPair::Point& point = points[order[at]];
        const std::size_t last = std::min(count, at + kReach + 1);
        for (std::size_t other = at + 1; other < last; ++other) {
            const ClosestPair::Point& neighbour = points[order[other]];
            const double dx = neighbour.first - point.first;
            const double dy = neighbour.second - point.second;
            const double distance = std::sqrt(dx * dx + dy * dy);
            if (distance > 0.0) {
                distances[order[at]] = std::min(distances[order[at]], distance);
                distances[order[other]] = std::min(distances[order[other]], distance);
            }
        }
    }
}

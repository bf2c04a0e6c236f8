#include "detection/ClosestPair.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

namespace {

// Steps the scan may take per point before the sweep takes over.
constexpr std::size_t kScanStepsPerPoint = 32;
constexpr int kDigitBits = 8;
constexpr int kDigits = 64 / kDigitBits;
constexpr std::size_t kDigitValues = std::size_t{1} << kDigitBits;

// Returns a key that orders doubles as they compare.
std::uint64_t OrderKey(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return (bits & kSign) != 0 ? ~bits : bits | kSign;
}

struct Keyed {
    std::uint64_t key;
    ClosestPair::Point point;
};

// Sorts by key, least significant digit first, passing over digits that all keys share.
void RadixSort(std::vector<Keyed>& items) {
    std::vector<std::array<std::size_t, kDigitValues>> counts(kDigits);
    for (auto& count : counts) {
        count.fill(0);
    }
    for (const Keyed& item : items) {
        for (int digit = 0; digit < kDigits; ++digit) {
            ++counts[digit][(item.key >> (digit * kDigitBits)) & (kDigitValues - 1)];
        }
    }
    std::vector<Keyed> sorted(items.size());
    for (int digit = 0; digit < kDigits; ++digit) {
        std::array<std::size_t, kDigitValues>& count = counts[digit];
        if (std::find(count.begin(), count.end(), items.size()) != count.end()) {
            continue;
        }
        std::size_t start = 0;
        for (std::size_t& slot : count) {
            start += std::exchange(slot, start);
        }
        for (const Keyed& item : items) {
            sorted[count[(item.key >> (digit * kDigitBits)) & (kDigitValues - 1)]++] = item;
        }
        items.swap(sorted);
    }
}

}  // namespace

double ClosestPair::Distance(std::vector<Point> points) {
    points.erase(std::remove_if(points.begin(), points.end(),
                                [](const Point& point) {
                                    return !std::isfinite(point.first) ||
                                           !std::isfinite(point.second);
                                }),
                 points.end());
    Sort(points);
    points.erase(std::unique(points.begin(), points.end()), points.end());
    const double scanned = Scan(points);
    const double best = scanned >= 0.0 ? scanned : Sweep(points);
    return best == HUGE_VAL ? 0.0 : best;
}

void ClosestPair::Sort(std::vector<Point>& points) {
    std::vector<Keyed> items;
    items.reserve(points.size());
    for (const Point& point : points) {
        // Adding 0.0 turns -0.0 into 0.0, so that equal values get equal keys.
        const Point normal(point.first + 0.0, point.second + 0.0);
        items.push_back({OrderKey(normal.first), normal});
    }
    RadixSort(items);
    for (std::size_t index = 0; index < items.size(); ++index) {
        points[index] = items[index].point;
    }
    // Equal x form runs, ordered by y.
    for (auto run = points.begin(); run != points.end();) {
        const auto next = std::find_if(
            run, points.end(), [&](const Point& point) { return point.first != run->first; });
        if (next - run > 1) {
            std::sort(run, next,
                      [](const Point& a, const Point& b) { return a.second < b.second; });
        }
        run = next;
    }
}

double ClosestPair::Scan(const std::vector<Point>& points) {
    // Where the run of each point's x ends.
    std::vector<std::size_t> runEnd(points.size());
    for (std::size_t index = points.size(); index-- > 0;) {
        runEnd[index] = index + 1 < points.size() && points[index + 1].first == points[index].first
                            ? runEnd[index + 1]
                            : index + 1;
    }
    const std::size_t stepLimit = kScanStepsPerPoint * points.size();
    std::size_t steps = 0;
    double best = HUGE_VAL;
    for (std::size_t index = 0; index < points.size(); ++index) {
        const auto [x, y] = points[index];
        // In its own run the next point is the closest.
        if (runEnd[index] > index + 1) {
            best = std::min(best, std::hypot(0.0, points[index + 1].second - y));
        }
        for (std::size_t run = runEnd[index]; run < points.size() && points[run].first - x <= best;
             run = runEnd[run]) {
            const auto first = std::lower_bound(
                points.begin() + static_cast<std::ptrdiff_t>(run),
                points.begin() + static_cast<std::ptrdiff_t>(runEnd[run]), y - best,
                [](const Point& point, double low) { return point.second < low; });
            for (auto other = first;
                 other != points.begin() + static_cast<std::ptrdiff_t>(runEnd[run]) &&
                 other->second <= y + best;
                 ++other) {
                best = std::min(best, std::hypot(other->first - x, other->second - y));
                ++steps;
            }
            if (++steps > stepLimit) {
                return -1.0;
            }
        }
    }
    return best;
}

// The window keeps, ordered by y, the points less than the closest distance found so far to the
// left of the current one.
double ClosestPair::Sweep(const std::vector<Point>& points) {
    double best = HUGE_VAL;
    std::set<Point> window;
    std::size_t left = 0;
    for (const auto& [x, y] : points) {
        while (left < points.size() && x - points[left].first > best) {
            window.erase({points[left].second, points[left].first});
            ++left;
        }
        for (auto it = window.lower_bound({y - best, -HUGE_VAL});
             it != window.end() && it->first <= y + best; ++it) {
            best = std::min(best, std::hypot(x - it->second, y - it->first));
        }
        window.insert({y, x});
    }
    return best;
}

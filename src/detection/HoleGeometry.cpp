#include "detection/HoleGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace {

constexpr double kSmallestBoard = 3.0;
constexpr double kLargestBoard = 1000.0;

std::string Millimetres(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g mm", value);
    return text;
}

}  // namespace

void HoleGeometry::SetDiameter(int tool, double diameter) {
    diameters_[tool] = diameter;
}

void HoleGeometry::AddPoint(double x, double y) {
    if (empty_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        empty_ = false;
        return;
    }
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
}

void HoleGeometry::AddHole(int tool, double x, double y) {
    AddPoint(x, y);
    std::vector<std::pair<double, double>>& holes = holes_[tool];
    if (holes.size() < kHolesPerTool) {
        holes.emplace_back(x, y);
        closestKnown_ = false;
    }
}

std::string HoleGeometry::Objection(double millimetresPerBase, double millimetresPerUnit) const {
    const double size = std::max(maxX_ - minX_, maxY_ - minY_) * millimetresPerBase;
    if (size > 0.0 && size < kSmallestBoard) {
        return "the board would measure " + Millimetres(size) + ", under 3 mm";
    }
    if (size > kLargestBoard) {
        return "the board would measure " + Millimetres(size) + ", over 1 m";
    }
    ComputeClosestDistances();
    for (const auto& [tool, distance] : closest_) {
        const auto diameter = diameters_.find(tool);
        if (diameter == diameters_.end() || distance <= 0.0) {
            continue;
        }
        const double apart = distance * millimetresPerBase;
        const double half = diameter->second * millimetresPerUnit / 2.0;
        if (apart < half) {
            return "holes of T" + std::to_string(tool) + " would stand " + Millimetres(apart) +
                   " apart, under half their diameter of " + Millimetres(2.0 * half);
        }
    }
    return std::string();
}

void HoleGeometry::ComputeClosestDistances() const {
    if (closestKnown_) {
        return;
    }
    closest_.clear();
    for (const auto& [tool, holes] : holes_) {
        closest_[tool] = ClosestDistance(holes);
    }
    closestKnown_ = true;
}

// A sweep from left to right that keeps, ordered by y, the holes less than the closest distance
// found so far to the left of the current one.
double HoleGeometry::ClosestDistance(std::vector<std::pair<double, double>> holes) {
    std::sort(holes.begin(), holes.end());
    holes.erase(std::unique(holes.begin(), holes.end()), holes.end());
    double best = HUGE_VAL;
    std::set<std::pair<double, double>> window;
    std::size_t left = 0;
    for (const auto& [x, y] : holes) {
        while (left < holes.size() && x - holes[left].first > best) {
            window.erase({holes[left].second, holes[left].first});
            ++left;
        }
        for (auto it = window.lower_bound({y - best, -HUGE_VAL});
             it != window.end() && it->first <= y + best; ++it) {
            best = std::min(best, std::hypot(x - it->second, y - it->first));
        }
        window.insert({y, x});
    }
    return best == HUGE_VAL ? 0.0 : best;
}

#include "detection/HoleGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "detection/ClosestPair.h"
#include "detection/NearestNeighbours.h"

namespace {

constexpr double kSmallestBoard = 3.0;
constexpr double kLargestBoard = 1000.0;
// The pitches of boards in millimetres: 0.1 in (2.54 mm), 0.05 in (1.27 mm) and 1 mm, each to
// within a hundredth.
constexpr double kPitches[] = {25.4 / 10.0, 25.4 / 20.0, 1.0};
constexpr double kPitchTolerance = 0.01;

std::string Millimetres(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g mm", value);
    return text;
}

}  // namespace

void HoleGeometry::SetDiameter(int tool, double diameter) {
    if (diameters_.size() < kMostTools || diameters_.count(tool) != 0) {
        diameters_[tool] = diameter;
    }
}

void HoleGeometry::AddPoint(const Place& place, int bases) {
    for (int base = 0; base < kBases; ++base) {
        if ((bases & (1 << base)) != 0) {
            extents_[base].Add(place[base][0], place[base][1]);
        }
    }
}

void HoleGeometry::AddHole(int tool, const Place& place, int bases) {
    AddPoint(place, bases);
    if (holes_.empty() || tool != lastTool_) {
        if (slots_.size() == kMostTools && slots_.count(tool) == 0) {
            return;
        }
        const auto slot = slots_.emplace(tool, holes_.size());
        if (slot.second) {
            holes_.emplace_back();
        }
        lastTool_ = tool;
        lastSlot_ = slot.first->second;
    }
    ToolHoles& holes = holes_[lastSlot_];
    for (int base = 0; base < kBases; ++base) {
        if ((bases & (1 << base)) == 0 || holes.count[base] == kHolesPerTool ||
            kept_[base] == kMostHoles) {
            continue;
        }
        std::vector<Block>& blocks = holes.holes[base];
        if (blocks.empty() || blocks.back().size() == kBlockSize) {
            // Grown as holes come, so that many tools of few holes each take little.
            blocks.emplace_back();
        }
        blocks.back().emplace_back(place[base][0], place[base][1]);
        ++holes.count[base];
        ++kept_[base];
        holes.closestKnown[base] = false;
        holes.nearestKnown[base] = false;
    }
}

std::string HoleGeometry::Objection(int base, double millimetresPerBase,
                                    double millimetresPerUnit) const {
    const double size = BoardSize(base, millimetresPerBase);
    if (size > 0.0 && size < kSmallestBoard) {
        return "the board would measure " + Millimetres(size) + ", under 3 mm";
    }
    if (size > kLargestBoard) {
        return "the board would measure " + Millimetres(size) + ", over 1 m";
    }
    for (const auto& [tool, slot] : slots_) {
        const auto diameter = diameters_.find(tool);
        if (diameter == diameters_.end()) {
            continue;
        }
        const double distance = ClosestDistance(holes_[slot], base);
        if (distance <= 0.0) {
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

std::string HoleGeometry::Refutation(int base, double millimetresPerBase,
                                     double millimetresPerUnit) const {
    const double size = BoardSize(base, millimetresPerBase);
    if (size > kLargestBoard) {
        return "the board would measure " + Millimetres(size) + ", over 1 m";
    }
    std::size_t holes = 0;
    std::size_t overlapping = 0;
    for (const auto& [tool, slot] : slots_) {
        const auto diameter = diameters_.find(tool);
        if (diameter == diameters_.end()) {
            continue;
        }
        const double half = diameter->second * millimetresPerUnit / 2.0;
        for (const double distance : NearestDistances(holes_[slot], base)) {
            if (std::isfinite(distance)) {
                ++holes;
                overlapping += distance * millimetresPerBase < half;
            }
        }
    }
    if (overlapping >= kWholesaleHoles && 2 * overlapping >= holes) {
        return std::to_string(overlapping) + " of " + std::to_string(holes) +
               " holes would overlap the nearest hole of their tool";
    }
    return std::string();
}

std::size_t HoleGeometry::PitchHoles(int base, double millimetresPerBase) const {
    std::size_t onPitch = 0;
    for (const ToolHoles& tool : holes_) {
        for (const double distance : NearestDistances(tool, base)) {
            const double apart = distance * millimetresPerBase;
            onPitch += std::any_of(std::begin(kPitches), std::end(kPitches), [&](double pitch) {
                return std::fabs(apart - pitch) <= kPitchTolerance * pitch;
            });
        }
    }
    return onPitch;
}

double HoleGeometry::BoardSize(int base, double millimetresPerBase) const {
    const Extents& extents = extents_[base];
    return std::max(extents.maxX - extents.minX, extents.maxY - extents.minY) * millimetresPerBase;
}

std::vector<std::pair<double, double>> HoleGeometry::Holes(const ToolHoles& tool, int base) {
    std::vector<ClosestPair::Point> points;
    points.reserve(tool.count[base]);
    for (const Block& block : tool.holes[base]) {
        points.insert(points.end(), block.begin(), block.end());
    }
    return points;
}

double HoleGeometry::ClosestDistance(const ToolHoles& tool, int base) {
    if (!tool.closestKnown[base]) {
        tool.closest[base] = ClosestPair::Distance(Holes(tool, base));
        tool.closestKnown[base] = true;
    }
    return tool.closest[base];
}

const std::vector<double>& HoleGeometry::NearestDistances(const ToolHoles& tool, int base) {
    if (!tool.nearestKnown[base]) {
        std::vector<ClosestPair::Point> holes = Holes(tool, base);
        holes.resize(std::min(holes.size(), kNeighbourHoles));
        tool.nearest[base] = NearestNeighbours::Distances(holes);
        tool.nearestKnown[base] = true;
    }
    return tool.nearest[base];
}

#include "detection/HoleGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "detection/ClosestPair.h"

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
        const auto slot = slots_.emplace(tool, holes_.size());
        if (slot.second) {
            holes_.emplace_back();
        }
        lastTool_ = tool;
        lastSlot_ = slot.first->second;
    }
    ToolHoles& holes = holes_[lastSlot_];
    for (int base = 0; base < kBases; ++base) {
        if ((bases & (1 << base)) == 0 || holes.count[base] == kHolesPerTool) {
            continue;
        }
        std::vector<Block>& blocks = holes.holes[base];
        if (blocks.empty() || blocks.back().size() == kBlockSize) {
            blocks.emplace_back().reserve(kBlockSize);
        }
        blocks.back().emplace_back(place[base][0], place[base][1]);
        ++holes.count[base];
        holes.closestKnown[base] = false;
    }
}

std::string HoleGeometry::Objection(int base, double millimetresPerBase,
                                    double millimetresPerUnit) const {
    const Extents& extents = extents_[base];
    const double size =
        std::max(extents.maxX - extents.minX, extents.maxY - extents.minY) * millimetresPerBase;
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

double HoleGeometry::ClosestDistance(const ToolHoles& tool, int base) {
    if (!tool.closestKnown[base]) {
        std::vector<ClosestPair::Point> points;
        points.reserve(tool.count[base]);
        for (const Block& block : tool.holes[base]) {
            points.insert(points.end(), block.begin(), block.end());
        }
        tool.closest[base] = ClosestPair::Distance(std::move(points));
        tool.closestKnown[base] = true;
    }
    return tool.closest[base];
}

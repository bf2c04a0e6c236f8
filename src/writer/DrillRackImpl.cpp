#include "writer/DrillRackImpl.h"

#include <algorithm>
#include <map>

#include "perforex/DrillWriter.h"

namespace {

long long Distance(int a, int b) {
    return a > b ? static_cast<long long>(a) - b : static_cast<long long>(b) - a;
}

}  // namespace

int DrillRackImpl::Apply(DrillContent& content) {
    misses.clear();
    if (sizes.empty()) {
        return -1;
    }
    std::vector<int> sorted = sizes;
    std::sort(sorted.begin(), sorted.end());
    std::map<int, int> routeWidths;
    for (DrillContent::Tool& tool : content.tools) {
        if (tool.holeType != CDrillWriter::Round) {
            continue;
        }
        const int nearest = Nearest(sorted, tool.diameter);
        const long long distance = Distance(nearest, tool.diameter);
        if (distance > tolerance) {
            misses.push_back({tool.tool, tool.diameter, nearest, static_cast<int>(distance)});
            continue;
        }
        tool.diameter = nearest;
        routeWidths[tool.tool] = nearest;
    }
    for (DrillContent::Contour& contour : content.contours) {
        const auto mapped = routeWidths.find(contour.tool);
        if (mapped != routeWidths.end()) {
            contour.width = mapped->second;
        }
    }
    return static_cast<int>(misses.size());
}

int DrillRackImpl::Nearest(const std::vector<int>& sorted, int diameter) const {
    const auto above = std::lower_bound(sorted.begin(), sorted.end(), diameter);
    if (above == sorted.begin()) {
        return *above;
    }
    const int below = *(above - 1);
    if (above == sorted.end() || Distance(below, diameter) < Distance(*above, diameter)) {
        return below;
    }
    return *above;
}

#include "writer/ToolNumberMap.h"

int ToolNumberMap::Of(int from) const {
    const auto found = numbers.find(from);
    return found != numbers.end() ? found->second : from;
}

void ToolNumberMap::ApplyToUses(DrillContent& content, std::size_t firstHole,
                                std::size_t firstContour) const {
    for (std::size_t hole = firstHole; hole < content.holes.size(); ++hole) {
        content.holes[hole].tool = Of(content.holes[hole].tool);
    }
    for (std::size_t contour = firstContour; contour < content.contours.size(); ++contour) {
        content.contours[contour].tool = Of(content.contours[contour].tool);
    }
}

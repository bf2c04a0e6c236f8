#include "writer/ProgramMerging.h"

#include <algorithm>
#include <set>

#include "writer/ToolNumberMap.h"

namespace {

// Returns why a hole or contour of input names a tool that input does not define, or empty.
std::string UndefinedUse(const DrillContent& input) {
    std::set<int> defined;
    for (const DrillContent::Tool& tool : input.tools) {
        defined.insert(tool.tool);
    }
    const auto undefined = [&](int tool) { return tool >= 0 && defined.count(tool) == 0; };
    for (std::size_t hole = 0; hole < input.holes.size(); ++hole) {
        if (undefined(input.holes[hole].tool)) {
            return "hole " + std::to_string(hole) + " is drilled with tool " +
                   std::to_string(input.holes[hole].tool) + ", which its program does not define";
        }
    }
    for (std::size_t contour = 0; contour < input.contours.size(); ++contour) {
        if (undefined(input.contours[contour].tool)) {
            return "contour " + std::to_string(contour) + " is routed with tool " +
                   std::to_string(input.contours[contour].tool) +
                   ", which its program does not define";
        }
    }
    return "";
}

// Returns the number of target's tool equal to tool, adding one numbered next when none is.
int OutputTool(std::vector<DrillContent::Tool>& tools, const DrillContent::Tool& tool) {
    int highest = 0;
    for (const DrillContent::Tool& made : tools) {
        if (DrillContent::SameDrill(made, tool)) {
            return made.tool;
        }
        highest = std::max(highest, made.tool);
    }
    DrillContent::Tool added = tool;
    added.tool = highest + 1;
    tools.push_back(added);
    return added.tool;
}

}  // namespace

std::string ProgramMerging::Apply(DrillContent& target, const DrillContent& input) {
    std::string reason = UndefinedUse(input);
    if (!reason.empty()) {
        return reason;
    }
    ToolNumberMap numbers;
    for (const DrillContent::Tool& tool : input.tools) {
        numbers.Set(tool.tool, OutputTool(target.tools, tool));
    }
    const std::size_t firstHole = target.holes.size();
    const std::size_t firstContour = target.contours.size();
    target.holes.insert(target.holes.end(), input.holes.begin(), input.holes.end());
    target.contours.insert(target.contours.end(), input.contours.begin(), input.contours.end());
    for (std::size_t contour = firstContour; contour < target.contours.size(); ++contour) {
        target.contours[contour].holesBefore += firstHole;
    }
    numbers.ApplyToUses(target, firstHole, firstContour);
    return "";
}

#include "writer/ToolMerging.h"

#include <map>
#include <set>

#include "writer/ToolNumberMap.h"

namespace {

std::set<int> NumbersOfDifferentTools(const std::vector<DrillContent::Tool>& tools) {
    std::map<int, const DrillContent::Tool*> first;
    std::set<int> ambiguous;
    for (const DrillContent::Tool& tool : tools) {
        const auto found = first.emplace(tool.tool, &tool);
        if (!found.second && !DrillContent::SameDrill(*found.first->second, tool)) {
            ambiguous.insert(tool.tool);
        }
    }
    return ambiguous;
}

}  // namespace

void ToolMerging::Apply(DrillContent& content) {
    const std::set<int> ambiguous = NumbersOfDifferentTools(content.tools);
    std::vector<DrillContent::Tool> kept;
    ToolNumberMap numbers;
    for (const DrillContent::Tool& tool : content.tools) {
        const bool mergeable = ambiguous.count(tool.tool) == 0;
        const DrillContent::Tool* equal = nullptr;
        for (const DrillContent::Tool& earlier : kept) {
            if (mergeable && equal == nullptr && ambiguous.count(earlier.tool) == 0 &&
                DrillContent::SameDrill(earlier, tool)) {
                equal = &earlier;
            }
        }
        if (equal == nullptr) {
            kept.push_back(tool);
        } else if (equal->tool != tool.tool) {
            numbers.Set(tool.tool, equal->tool);
        }
    }
    content.tools = std::move(kept);
    numbers.ApplyToUses(content);
}

#include "writer/ToolRenumbering.h"

#include <map>

#include "writer/ToolNumberMap.h"

namespace {

// Notes that old ends as number new; returns why not when another old number ends as it too.
std::string Claim(std::map<int, int>& oldOfNew, int old, int renumbered) {
    const auto claimed = oldOfNew.emplace(renumbered, old);
    if (claimed.second || claimed.first->second == old) {
        return "";
    }
    return "tools " + std::to_string(claimed.first->second) + " and " + std::to_string(old) +
           " would both be tool " + std::to_string(renumbered);
}

}  // namespace

std::string ToolRenumbering::Apply(DrillContent& content, const int* from, const int* to,
                                   int count) {
    ToolNumberMap numbers;
    for (int k = 0; k < count; ++k) {
        if (from[k] < 0 || to[k] < 0) {
            return "a tool number is never negative: " + std::to_string(from[k]) + " to " +
                   std::to_string(to[k]);
        }
        if (numbers.Has(from[k])) {
            return "tool " + std::to_string(from[k]) + " is given two new numbers";
        }
        numbers.Set(from[k], to[k]);
    }
    // Holes may name tools that are not defined; those keep apart from the others too.
    std::map<int, int> oldOfNew;
    std::string clash;
    const auto claim = [&](int old) {
        if (clash.empty() && old >= 0) {
            clash = Claim(oldOfNew, old, numbers.Of(old));
        }
    };
    for (const DrillContent::Tool& tool : content.tools) {
        claim(tool.tool);
    }
    for (const DrillContent::Hole& hole : content.holes) {
        claim(hole.tool);
    }
    for (const DrillContent::Contour& contour : content.contours) {
        claim(contour.tool);
    }
    if (!clash.empty()) {
        return clash;
    }
    for (DrillContent::Tool& tool : content.tools) {
        tool.tool = numbers.Of(tool.tool);
    }
    numbers.ApplyToUses(content);
    return "";
}

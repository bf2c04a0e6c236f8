#include "writer/PanelStep.h"

#include <algorithm>
#include <climits>

#include "perforex/VbVrtxGeom.h"

namespace {

// The least and greatest value of the places on one axis.
struct Span {
    long long least = LLONG_MAX;
    long long greatest = LLONG_MIN;

    void Take(int value) {
        least = std::min<long long>(least, value);
        greatest = std::max<long long>(greatest, value);
    }
    // The value farthest out that a shift by 0 to reach makes of the places.
    long long Farthest(long long reach) const {
        return reach < 0 ? least + reach : greatest + reach;
    }
    bool StaysInRange(long long reach) const {
        return least > greatest || (Farthest(reach) >= INT_MIN && Farthest(reach) <= INT_MAX);
    }
};

// The range check before guarantees the sum fits.
int Shifted(int value, long long shift) {
    return static_cast<int>(value + shift);
}

bool IsBreak(const CVbVertex& vertex) {
    return vertex.x == CVbVrtxGeom::kBreakMarker || vertex.y == CVbVrtxGeom::kBreakMarker;
}

std::string CheckRange(const DrillContent& content, long long reachX, long long reachY) {
    Span x;
    Span y;
    for (const DrillContent::Hole& hole : content.holes) {
        x.Take(hole.x);
        y.Take(hole.y);
    }
    for (const DrillContent::Contour& contour : content.contours) {
        for (const CVbVertex& vertex : contour.vertices) {
            if (!IsBreak(vertex)) {
                x.Take(vertex.x);
                y.Take(vertex.y);
            }
        }
    }
    if (!x.StaysInRange(reachX)) {
        return "the panel reaches x " + std::to_string(x.Farthest(reachX)) +
               " nm, beyond the 32-bit nanometre range";
    }
    if (!y.StaysInRange(reachY)) {
        return "the panel reaches y " + std::to_string(y.Farthest(reachY)) +
               " nm, beyond the 32-bit nanometre range";
    }
    return "";
}

}  // namespace

std::string PanelStep::Apply(DrillContent& content, int columns, int rows, int dx, int dy) {
    if (columns < 1 || rows < 1) {
        return "a panel is at least 1 x 1, not " + std::to_string(columns) + " x " +
               std::to_string(rows);
    }
    std::string reason = CheckRange(content, static_cast<long long>(columns - 1) * dx,
                                    static_cast<long long>(rows - 1) * dy);
    if (!reason.empty()) {
        return reason;
    }
    const std::size_t holeCount = content.holes.size();
    const std::size_t perCopy = holeCount + content.contours.size();
    if (perCopy == 0) {
        return "";
    }
    const std::size_t copies = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    if (copies > content.holes.max_size() / perCopy) {
        return "a panel of " + std::to_string(columns) + " x " + std::to_string(rows) +
               " copies does not fit in memory";
    }
    std::vector<DrillContent::Hole> holes;
    holes.reserve(holeCount * copies);
    std::vector<DrillContent::Contour> contours;
    contours.reserve(content.contours.size() * copies);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const long long shiftX = static_cast<long long>(column) * dx;
            const long long shiftY = static_cast<long long>(row) * dy;
            for (const DrillContent::Hole& hole : content.holes) {
                holes.push_back({Shifted(hole.x, shiftX), Shifted(hole.y, shiftY), hole.tool});
            }
            for (const DrillContent::Contour& contour : content.contours) {
                DrillContent::Contour copy = contour;
                copy.holesBefore += holes.size() - holeCount;
                for (CVbVertex& vertex : copy.vertices) {
                    if (!IsBreak(vertex)) {
                        vertex.x = Shifted(vertex.x, shiftX);
                        vertex.y = Shifted(vertex.y, shiftY);
                    }
                }
                contours.push_back(std::move(copy));
            }
        }
    }
    content.holes = std::move(holes);
    content.contours = std::move(contours);
    return "";
}

#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The places of a drill program's holes in two base units whose sizes are not yet known, and what
// a real board allows of them: the whole measures from 3 mm to 1 m, and two holes of one tool
// stand at least half their diameter apart. It rules out the scales of a base unit that break
// either.
class HoleGeometry {
  public:
    // The bases, each a pair of x and y: a place is given in both at once.
    static constexpr int kBases = 2;
    using Place = double[kBases][2];
    // Bit 1 << base of a base whose places are still kept; the others can no longer matter.
    static constexpr int kAllBases = (1 << kBases) - 1;

    // Sets a tool's diameter, in the program's unit.
    void SetDiameter(int tool, double diameter);
    // A place the program moves to or routes through, kept in the given bases.
    void AddPoint(const Place& place, int bases);
    // A hole drilled with the tool, kept in the given bases.
    void AddHole(int tool, const Place& place, int bases);
    // Returns why the scale (millimetres per unit of the base) cannot be the program's, or an
    // empty text when the geometry allows it. millimetresPerUnit converts the tools' diameters.
    std::string Objection(int base, double millimetresPerBase, double millimetresPerUnit) const;

  private:
    // Holes are kept in blocks of a fixed size, so that no hole is moved as more come.
    using Block = std::vector<std::pair<double, double>>;
    static constexpr std::size_t kBlockSize = 8192;
    // The holes of one tool in each base, and once known the distance of its closest two.
    struct ToolHoles {
        std::vector<Block> holes[kBases];
        std::size_t count[kBases] = {0, 0};
        mutable double closest[kBases] = {0.0, 0.0};
        mutable bool closestKnown[kBases] = {false, false};
    };
    struct Extents {
        void Add(double x, double y) {
            if (empty) {
                minX = maxX = x;
                minY = maxY = y;
                empty = false;
                return;
            }
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }

        bool empty = true;
        double minX = 0.0;
        double maxX = 0.0;
        double minY = 0.0;
        double maxY = 0.0;
    };
    // Returns the distance of the tool's closest two distinct holes in the base; 0 when there are
    // no two.
    static double ClosestDistance(const ToolHoles& tool, int base);

    // Enough holes of one tool to see a scale that puts them on top of each other.
    static constexpr std::size_t kHolesPerTool = 100000;

    Extents extents_[kBases];
    std::map<int, double> diameters_;
    // The tools in the order of their numbers, each with the index of its holes in holes_.
    std::map<int, std::size_t> slots_;
    std::vector<ToolHoles> holes_;
    // The slot of the latest tool, since holes come in runs of one tool.
    int lastTool_ = 0;
    std::size_t lastSlot_ = 0;
};

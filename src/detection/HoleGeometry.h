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
// either, and counts the holes that a scale puts on the pitches boards are laid out on. What it
// keeps is bounded whatever the program's size: the extremes, and the first holes of each tool
// up to a limit for each tool and one for all (the first ones, not a thinned sample, since
// thinning would move each hole's neighbours away and hide the overlaps and pitches looked for).
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
    // Returns why the scale cannot be the one a program states, or an empty text: the board
    // would measure over 1 m, or most holes would overlap the nearest hole of their tool.
    std::string Refutation(int base, double millimetresPerBase, double millimetresPerUnit) const;
    // Returns how many holes the scale puts at a pitch of 0.1 in, 0.05 in or 1 mm from the nearest
    // hole of their tool.
    std::size_t PitchHoles(int base, double millimetresPerBase) const;

  private:
    // Holes are kept in blocks of at most a fixed size, so that no vector grows large.
    using Block = std::vector<std::pair<double, double>>;
    static constexpr std::size_t kBlockSize = 8192;
    // The holes of one tool in each base, and once known the distance of its closest two.
    struct ToolHoles {
        std::vector<Block> holes[kBases];
        std::size_t count[kBases] = {0, 0};
        mutable double closest[kBases] = {0.0, 0.0};
        mutable bool closestKnown[kBases] = {false, false};
        // The distance from each hole to the nearest hole of the tool, once known.
        mutable std::vector<double> nearest[kBases];
        mutable bool nearestKnown[kBases] = {false, false};
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
    // Returns the distance from each of the tool's first holes in the base to the nearest other.
    static const std::vector<double>& NearestDistances(const ToolHoles& tool, int base);
    static std::vector<std::pair<double, double>> Holes(const ToolHoles& tool, int base);
    double BoardSize(int base, double millimetresPerBase) const;

    // Enough holes of one tool to see a scale that puts them on top of each other; more of all
    // tools together than a real board has; more tools than a real program defines.
    static constexpr std::size_t kHolesPerTool = 100000;
    static constexpr std::size_t kMostHoles = 1 << 17;
    static constexpr std::size_t kMostTools = 10000;
    // Overlaps are wholesale once at least this many holes and half of them overlap.
    static constexpr std::size_t kWholesaleHoles = 8;
    // The first holes of each tool whose neighbours are looked at: enough to see a layout.
    static constexpr std::size_t kNeighbourHoles = 8192;

    std::size_t kept_[kBases] = {0, 0};

    Extents extents_[kBases];
    std::map<int, double> diameters_;
    // The tools in the order of their numbers, each with the index of its holes in holes_.
    std::map<int, std::size_t> slots_;
    std::vector<ToolHoles> holes_;
    // The slot of the latest tool, since holes come in runs of one tool.
    int lastTool_ = 0;
    std::size_t lastSlot_ = 0;
};

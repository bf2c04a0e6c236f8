#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// The places of a drill program's holes in a base unit whose size is not yet known, and what a
// real board allows of them: the whole measures from 3 mm to 1 m, and two holes of one tool stand
// at least half their diameter apart. It rules out the scales of a base unit that break either.
class HoleGeometry {
  public:
    // Sets a tool's diameter, in the program's unit.
    void SetDiameter(int tool, double diameter);
    // A place the program moves to or routes through.
    void AddPoint(double x, double y);
    // A hole drilled with the tool.
    void AddHole(int tool, double x, double y);
    // Returns why the scale (millimetres per base unit) cannot be the program's, or an empty
    // text when the geometry allows it. millimetresPerUnit converts the tools' diameters.
    std::string Objection(double millimetresPerBase, double millimetresPerUnit) const;

  private:
    // The closest two distinct holes of one tool, in base units; 0 when there are no two.
    static double ClosestDistance(std::vector<std::pair<double, double>> holes);
    void ComputeClosestDistances() const;

    // Enough holes of one tool to see a scale that puts them on top of each other.
    static constexpr std::size_t kHolesPerTool = 100000;

    bool empty_ = true;
    double minX_ = 0.0;
    double maxX_ = 0.0;
    double minY_ = 0.0;
    double maxY_ = 0.0;
    std::map<int, double> diameters_;
    std::map<int, std::vector<std::pair<double, double>>> holes_;
    mutable std::map<int, double> closest_;
    mutable bool closestKnown_ = false;
};

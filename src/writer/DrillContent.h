#pragma once

#include <cstddef>
#include <vector>

#include "perforex/ContourVertices.h"
#include "perforex/DrillProgram.h"

// What a program is to hold, in nanometres and in the order it was given: the tools, and the
// holes and contours, which keep their order among each other.
class DrillContent {
  public:
    using Tool = CProgramTool;
    using Hole = CProgramHole;
    struct Contour {
        int tool;
        int width;
        // Number of holes given before the contour.
        std::size_t holesBefore;
        std::vector<CVbVertex> vertices;
    };

    std::vector<Tool> tools;
    std::vector<Hole> holes;
    std::vector<Contour> contours;

    // Whether two tools drill the same holes: of equal hole type, sizes, angle and plating.
    static bool SameDrill(const Tool& a, const Tool& b) {
        return a.holeType == b.holeType && a.diameter == b.diameter && a.width == b.width &&
               a.height == b.height && a.angle == b.angle && a.plating == b.plating;
    }
};

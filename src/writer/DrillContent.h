#pragma once

#include <cstddef>
#include <vector>

#include "perforex/ContourVertices.h"

// What a program is to hold, in nanometres and in the order it was given: the tools, and the
// holes and contours, which keep their order among each other.
class DrillContent {
  public:
    struct Tool {
        int tool;
        int holeType;
        int diameter;
        int width;
        int height;
        double angle;
        int plating;

        // Whether other drills the same holes: of equal hole type, sizes, angle and plating.
        bool SameAs(const Tool& other) const {
            return holeType == other.holeType && diameter == other.diameter &&
                   width == other.width && height == other.height && angle == other.angle &&
                   plating == other.plating;
        }
    };
    struct Hole {
        int x;
        int y;
        int tool;
    };
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
};

#pragma once

#include <string>
#include <vector>

#include "perforex/perforex.h"

// A host that records every callback it receives, in order.
class RecordingHost : public CPerforexReader {
  public:
    struct Tool {
        int tool, holeType, diameter, width, height;
        double angle;
        int extra[5];
    };
    struct Hit {
        int x, y, tool;
        bool operator==(const Hit& o) const { return x == o.x && y == o.y && tool == o.tool; }
    };
    struct Contour {
        int tool;
        // A copy of the path's geometry record, taken during the call.
        std::vector<int> record;
    };
    enum class Event { Tool, Hit, Contour };

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int a,
                 int b, int c, int d, int e) override;

    // Renders every callback in arrival order, one line each:
    // "tool N TYPE DIAMETER WIDTH HEIGHT ANGLE E1 E2 E3 E4 E5", "hit X Y TOOL" and
    // "contour TOOL: RECORD WORDS...".
    std::string Transcript() const;

    std::vector<Tool> tools;
    std::vector<Hit> hits;
    std::vector<Contour> contours;
    std::vector<Event> events;
};

#pragma once

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
    };
    enum class Event { Tool, Hit, Contour };

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int a,
                 int b, int c, int d, int e) override;

    std::vector<Tool> tools;
    std::vector<Hit> hits;
    std::vector<Contour> contours;
    std::vector<Event> events;
};

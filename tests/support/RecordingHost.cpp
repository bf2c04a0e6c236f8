#include "RecordingHost.h"

void RecordingHost::AddContour(const CVbVrtxGeom& path, int tool) {
    (void)path;
    contours.push_back({tool});
    events.push_back(Event::Contour);
}

void RecordingHost::AddHit(int x, int y, int tool) {
    hits.push_back({x, y, tool});
    events.push_back(Event::Hit);
}

void RecordingHost::AddTool(int tool, int holeType, int diameter, int width, int height,
                            double angle, int a, int b, int c, int d, int e) {
    tools.push_back({tool, holeType, diameter, width, height, angle, {a, b, c, d, e}});
    events.push_back(Event::Tool);
}

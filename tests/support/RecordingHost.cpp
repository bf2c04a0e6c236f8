#include "RecordingHost.h"

#include <cstdio>

#include "perforex/VbVrtxGeom.h"

void RecordingHost::AddContour(const CVbVrtxGeom& path, int tool) {
    const int* record = path.GetRecord();
    contours.push_back({tool, std::vector<int>(record, record + path.GetWordCount())});
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

std::string RecordingHost::Transcript() const {
    std::string text;
    std::size_t nextTool = 0, nextHit = 0, nextContour = 0;
    char line[160];
    for (const Event event : events) {
        if (event == Event::Tool) {
            const Tool& t = tools[nextTool++];
            std::snprintf(line, sizeof line, "tool %d %d %d %d %d %g %d %d %d %d %d\n", t.tool,
                          t.holeType, t.diameter, t.width, t.height, t.angle, t.extra[0],
                          t.extra[1], t.extra[2], t.extra[3], t.extra[4]);
            text += line;
        } else if (event == Event::Hit) {
            const Hit& h = hits[nextHit++];
            std::snprintf(line, sizeof line, "hit %d %d %d\n", h.x, h.y, h.tool);
            text += line;
        } else {
            const Contour& c = contours[nextContour++];
            std::snprintf(line, sizeof line, "contour %d:", c.tool);
            text += line;
            for (const int word : c.record) {
                text += ' ' + std::to_string(word);
            }
            text += '\n';
        }
    }
    return text;
}

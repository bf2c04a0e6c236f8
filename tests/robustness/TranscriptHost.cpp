#include "TranscriptHost.h"

#include <cstdio>

void TranscriptHost::AddContour(const CVbVrtxGeom& path, int tool) {
    transcript += "contour " + std::to_string(tool);
    const int* record = path.GetRecord();
    for (int i = 0; i < path.GetWordCount(); ++i) {
        transcript += ' ' + std::to_string(record[i]);
    }
    transcript += '\n';
    ++contours;
}

void TranscriptHost::AddHit(int x, int y, int tool) {
    transcript +=
        "hit " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(tool) + '\n';
    ++hits;
}

void TranscriptHost::AddTool(int tool, int holeType, int diameter, int width, int height,
                             double angle, int a, int b, int c, int d, int e) {
    char line[160];
    std::snprintf(line, sizeof line, "tool %d %d %d %d %d %.17g %d %d %d %d %d\n", tool, holeType,
                  diameter, width, height, angle, a, b, c, d, e);
    transcript += line;
    ++tools;
}

void TranscriptHost::Clear() {
    transcript.clear();
    tools = hits = contours = 0;
}

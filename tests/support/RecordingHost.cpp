#include "RecordingHost.h"

#include <cstdio>

#include "perforex/VbVrtxGeom.h"

void RecordingHost::AddContour(const CVbVrtxGeom& path, int tool) {
    transcript += "contour " + std::to_string(tool) + ':';
    for (int i = 0; i < path.GetWordCount(); ++i) {
        transcript += ' ' + std::to_string(path.GetRecord()[i]);
    }
    transcript += '\n';
}

void RecordingHost::AddHit(int x, int y, int tool) {
    transcript +=
        "hit " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(tool) + '\n';
}

void RecordingHost::AddMessage(const CReaderMessage& message) {
    messages += std::to_string(message.number) + ' ' + std::to_string(message.line) + ' ' +
                std::to_string(message.kind) + " |" + message.text.Str() + '|';
}

void RecordingHost::AddTool(int tool, int holeType, int diameter, int width, int height,
                            double angle, int a, int b, int c, int d, int e) {
    char line[160];
    std::snprintf(line, sizeof line, "tool %d %d %d %d %d %g %d %d %d %d %d\n", tool, holeType,
                  diameter, width, height, angle, a, b, c, d, e);
    transcript += line;
}

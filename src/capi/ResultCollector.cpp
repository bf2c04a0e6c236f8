#include "capi/ResultCollector.h"

void CResultCollector::AddContour(const CVbVrtxGeom& path, int tool) {
    result.AddContour(path, tool);
}

void CResultCollector::AddHit(int x, int y, int tool) {
    result.AddHit(x, y, tool);
}

void CResultCollector::AddTool(int tool, int holeType, int diameter, int width, int height,
                               double angle, int, int, int, int, int) {
    result.AddTool(tool, holeType, diameter, width, height, angle);
}

void CResultCollector::AddMessage(const CReaderMessage& message) {
    result.AddMessage(message);
}

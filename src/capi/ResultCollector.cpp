#include "capi/ResultCollector.h"

static_assert(PFX_PLATING_UNKNOWN == static_cast<int>(CPerforexReader::PlatingUnknown) &&
                  PFX_PLATED == static_cast<int>(CPerforexReader::Plated) &&
                  PFX_NON_PLATED == static_cast<int>(CPerforexReader::NonPlated),
              "a tool's plating passes to the C interface as it is");

void CResultCollector::AddContour(const CVbVrtxGeom& path, int tool) {
    result.AddContour(path, tool);
}

void CResultCollector::AddHit(int x, int y, int tool) {
    result.AddHit(x, y, tool);
}

void CResultCollector::AddTool(int tool, int holeType, int diameter, int width, int height,
                               double angle, int, int, int, int, int) {
    result.AddTool(tool, holeType, diameter, width, height, angle, GetToolPlating(tool));
}

void CResultCollector::AddMessage(const CReaderMessage& message) {
    result.AddMessage(message);
}

#include "perforex/WritingReader.h"

CWritingReader::CWritingReader(CDrillWriter& writer) : writer(writer) {}

void CWritingReader::AddContour(const CVbVrtxGeom& path, int tool) {
    writer.AddContour(path, tool);
}

void CWritingReader::AddHit(int x, int y, int tool) {
    writer.AddHit(x, y, tool);
}

void CWritingReader::AddTool(int tool, int holeType, int diameter, int width, int height,
                             double angle, int, int, int, int, int) {
    writer.AddTool(tool, holeType, diameter, width, height, angle);
}

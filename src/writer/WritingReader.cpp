#include "perforex/WritingReader.h"

CWritingReader::CWritingReader(CDrillWriter& writer) : program(writer.GetProgram()) {}

CWritingReader::CWritingReader(CDrillProgram& program) : program(program) {}

void CWritingReader::AddContour(const CVbVrtxGeom& path, int tool) {
    program.AddContour(path, tool);
}

void CWritingReader::AddHit(int x, int y, int tool) {
    program.AddHit(x, y, tool);
}

void CWritingReader::AddTool(int tool, int holeType, int diameter, int width, int height,
                             double angle, int, int, int, int, int) {
    program.AddTool(tool, holeType, diameter, width, height, angle);
    // The reader knows the tool's plating by the time it delivers the tool.
    program.SetToolPlating(tool, GetToolPlating(tool));
}

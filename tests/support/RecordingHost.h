#pragma once

#include <string>

#include "perforex/perforex.h"

// A host that writes every callback it receives as one line of text, in arrival order:
// "tool N TYPE DIAMETER WIDTH HEIGHT ANGLE E1 E2 E3 E4 E5", "hit X Y TOOL" and
// "contour TOOL: RECORD WORDS...", so that reads compare by their transcripts. The messages it
// receives as data go to their own log, one "NUMBER LINE KIND |TEXT|" each.
class RecordingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int a,
                 int b, int c, int d, int e) override;
    void AddMessage(const CReaderMessage& message) override;

    std::string transcript;
    std::string messages;
};

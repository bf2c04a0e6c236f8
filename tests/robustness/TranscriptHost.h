#pragma once

#include <string>

#include "perforex/perforex.h"

// A host that writes every callback it receives as one line of text, contours with their whole
// geometry record, so that two reads compare by their transcripts.
class TranscriptHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int a,
                 int b, int c, int d, int e) override;

    // Forgets everything received so far.
    void Clear();

    std::string transcript;
    int tools = 0;
    int hits = 0;
    int contours = 0;
};

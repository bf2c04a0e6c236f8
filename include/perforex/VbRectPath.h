#pragma once

#include "perforex/VbVrtxGeom.h"

// The outline of an axis-aligned rectangle drawn with a stroke width. Record: header, width,
// x1, y1, x2, y2, the corners of the centre line.
class PERFOREX_API CVbRectPath : public CVbVrtxGeom {
  public:
    // Makes a rectangle path with every word after the header -1.
    CVbRectPath();
    // Copies the six words of a rectangle path record, header included.
    explicit CVbRectPath(const int* words);
    // Makes a rectangle path; each flag is set when its argument is non-zero.
    CVbRectPath(int width, int x1, int y1, int x2, int y2, int userFlag, int counterClockwise);

    // Overwrites the width, corners and both flags, keeping the kind.
    void Set(int width, int x1, int y1, int x2, int y2, int userFlag, int counterClockwise);

    PERFOREX_GEOMETRY_SLOTS
};

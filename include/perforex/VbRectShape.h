#pragma once

#include "perforex/VbVrtxGeom.h"

// A filled axis-aligned rectangle. Record: header, x1, y1, x2, y2.
class PERFOREX_API CVbRectShape : public CVbVrtxGeom {
  public:
    // Makes a rectangle shape with every word after the header -1.
    CVbRectShape();
    // Copies the five words of a rectangle shape record, header included.
    explicit CVbRectShape(const int* words);
    // Makes a rectangle shape; each flag is set when its argument is non-zero.
    CVbRectShape(int x1, int y1, int x2, int y2, int userFlag, int counterClockwise);

    // Overwrites the corners and both flags, keeping the kind.
    void Set(int x1, int y1, int x2, int y2, int userFlag, int counterClockwise);

    PERFOREX_GEOMETRY_SLOTS
};

#pragma once

#include "perforex/VbVrtxGeom.h"

class CVbPolylinePath;

// A circular centre line with a stroke width: a ring. Record: header, width, cx, cy, r.
class PERFOREX_API CVbCirclePath : public CVbVrtxGeom {
  public:
    // Makes a circle path with every word after the header -1.
    CVbCirclePath();
    // Copies the five words of a circle path record, header included.
    explicit CVbCirclePath(const int* words);
    // Makes a circle path; each flag is set when its argument is non-zero.
    CVbCirclePath(int width, int cx, int cy, int r, int userFlag, int counterClockwise);

    // Overwrites the width, centre, radius and both flags, keeping the kind.
    void Set(int width, int cx, int cy, int r, int userFlag, int counterClockwise);
    // Returns a new closed polyline path of this width through 360 / stepDegrees points around
    // the circle, or null for a step outside 1 to 360 or a point beyond the 32-bit range.
    CVbPolylinePath* ToPolygon(int stepDegrees) const;

    PERFOREX_GEOMETRY_SLOTS
};

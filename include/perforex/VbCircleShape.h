#pragma once

#include "perforex/VbVrtxGeom.h"

class CVbPolylineShape;

// A filled disc. Record: header, cx, cy, r.
class PERFOREX_API CVbCircleShape : public CVbVrtxGeom {
  public:
    // Makes a disc with every word after the header -1.
    CVbCircleShape();
    // Copies the four words of a circle shape record, header included.
    explicit CVbCircleShape(const int* words);
    // Makes a disc; each flag is set when its argument is non-zero.
    CVbCircleShape(int cx, int cy, int r, int userFlag, int counterClockwise);

    // Overwrites the centre, radius and both flags, keeping the kind.
    void Set(int cx, int cy, int r, int userFlag, int counterClockwise);
    // Returns a new polyline shape through 360 / stepDegrees points around the circle, or null
    // for a step outside 1 to 360 or a point beyond the 32-bit range.
    CVbPolylineShape* ToPolygon(int stepDegrees) const;

    PERFOREX_GEOMETRY_SLOTS
};

#pragma once

#include "perforex/VbVrtxGeom.h"

class CVbPolylineShape;

// The area bounded by a closed chain of straight segments and circular arcs. Record: header,
// then x, y, r for each vertex, read as in CVbPolyarcPath; a point followed by a centre is a
// full circle.
class PERFOREX_API CVbPolyarcShape : public CVbVrtxGeom {
  public:
    // Makes a shape without vertices.
    CVbPolyarcShape();
    // Copies count words of a polyarc shape record verbatim, header included.
    CVbPolyarcShape(const int* words, int count);
    // Makes a shape of count vertex words; each flag is set when its argument is non-zero.
    CVbPolyarcShape(const int* vertexWords, int count, int userFlag, int counterClockwise);

    // Replaces the vertices, rewrites the kind and both flags.
    void Set(const int* vertexWords, int count, int userFlag, int counterClockwise);
    // Returns a new array holding a copy of the vertex words; the caller deletes it with [].
    int* GetVertices() const;
    // Replaces the vertex words with count words.
    void SetVertices(const int* words, int count);
    // Returns a new polyline shape with every arc replaced by chords of at most stepDegrees, or
    // null when nothing results (a step of 0, no vertex) or a chord point falls beyond the
    // 32-bit range.
    CVbPolylineShape* ToPolygon(int stepDegrees) const;

    PERFOREX_GEOMETRY_SLOTS
};

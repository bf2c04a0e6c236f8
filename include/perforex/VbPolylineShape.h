#pragma once

#include "perforex/VbVrtxGeom.h"

// A polygon. Record: header, then x, y for each vertex; the outline returns from the last vertex
// to the first, which a validated shape does not repeat.
class PERFOREX_API CVbPolylineShape : public CVbVrtxGeom {
  public:
    // Makes a shape without vertices.
    CVbPolylineShape();
    // Copies count words of a polyline shape record verbatim, header included.
    CVbPolylineShape(const int* words, int count);
    // Makes a shape of count vertex words; each flag is set when its argument is non-zero.
    CVbPolylineShape(const int* vertexWords, int count, int userFlag, int counterClockwise);

    // Replaces the vertices, rewrites the kind and both flags.
    void Set(const int* vertexWords, int count, int userFlag, int counterClockwise);
    // Returns a new array holding a copy of the vertex words; the caller deletes it with [].
    int* GetVertices() const;
    // Replaces the vertex words with count words.
    void SetVertices(const int* words, int count);

    PERFOREX_GEOMETRY_SLOTS
};

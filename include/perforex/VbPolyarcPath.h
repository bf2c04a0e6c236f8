#pragma once

#include "perforex/VbVrtxGeom.h"

class CVbPolylinePath;

// A chain of straight segments and circular arcs with a stroke width: the form in which routed
// contours reach the host. Record: header, width, then x, y, r for each vertex. A vertex with
// r = 0 is a point; any other is the centre of an arc from the vertex before it to the vertex
// after it (the first one when it is last), of radius |r|, clockwise for r > 0. With Breaks set,
// a vertex holding -2147483648 in any word is a break marker.
class PERFOREX_API CVbPolyarcPath : public CVbVrtxGeom {
  public:
    // Makes a path without vertices, of width -1.
    CVbPolyarcPath();
    // Copies count words of a polyarc path record verbatim, header included.
    CVbPolyarcPath(const int* words, int count);
    // Makes a path of count vertex words; each flag is set when its argument is non-zero.
    CVbPolyarcPath(int width, const int* vertexWords, int count, int closed, int userFlag,
                   int counterClockwise, int breaks);

    // Replaces the vertices, rewrites the kind and the four flags, then sets the width.
    void Set(int width, const int* vertexWords, int count, int closed, int userFlag,
             int counterClockwise, int breaks);
    // Returns a new array holding a copy of the vertex words; the caller deletes it with [].
    int* GetVertices() const;
    // Replaces the vertex words with count words.
    void SetVertices(const int* words, int count);
    // Sets the Breaks bit when on is non-zero, clears it otherwise.
    void SetBreaks(int on);
    // Sets the Closed bit when on is non-zero, clears it otherwise.
    void SetClosed(int on);
    // Returns 1 when the Breaks bit is set, 0 otherwise.
    int GetBreaks() const;
    // Returns 1 when the Closed bit is set, 0 otherwise.
    int GetClosed() const;
    // Returns a new polyline path of this width and flags with every arc replaced by chords of
    // at most stepDegrees, or null when nothing results (a step of 0, no vertex) or a chord
    // point falls beyond the 32-bit range.
    CVbPolylinePath* ToPolygon(int stepDegrees) const;

    PERFOREX_GEOMETRY_SLOTS
};

#pragma once

#include "perforex/VbVrtxGeom.h"

// A chain of straight segments with a stroke width. Record: header, width, then x, y for each
// vertex. With Breaks set, a vertex holding -2147483648 in x or y is a break marker.
class PERFOREX_API CVbPolylinePath : public CVbVrtxGeom {
  public:
    // Makes a path without vertices, of width -1.
    CVbPolylinePath();
    // Copies count words of a polyline path record verbatim, header included.
    CVbPolylinePath(const int* words, int count);
    // Makes a path of count vertex words; each flag is set when its argument is non-zero.
    CVbPolylinePath(int width, const int* vertexWords, int count, int closed, int userFlag,
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

    PERFOREX_GEOMETRY_SLOTS
};

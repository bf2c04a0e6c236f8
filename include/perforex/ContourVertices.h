#pragma once

#include <cstddef>
#include <vector>

#include "perforex/VbVrtxGeom.h"

// One vertex of a contour, in nanometres. r = 0: a point the path runs through. r != 0: the
// centre of an arc from the vertex before to the vertex after, of radius |r|, clockwise for
// r > 0 and counter-clockwise for r < 0. Polyline vertices have r = 0.
struct CVbVertex {
    int x;
    int y;
    int r;
};

// Returns the vertices of a polyline or polyarc path or shape (the form in which AddContour
// delivers contours) in their order; empty for any other kind. Break markers are returned as
// they are stored.
inline std::vector<CVbVertex> GetContourVertices(const CVbVrtxGeom& contour) {
    const int* record = contour.GetRecord();
    const int words = contour.GetWordCount();
    const int kind = GetKind(record);
    const bool isArc = kind == GEOM_POLYARC_PATH || kind == GEOM_POLYARC_SHAPE;
    const bool isLine = kind == GEOM_POLYLINE_PATH || kind == GEOM_POLYLINE_SHAPE;
    std::vector<CVbVertex> vertices;
    if (!isArc && !isLine) {
        return vertices;
    }
    const int stride = isArc ? 3 : 2;
    const int first = kind == GEOM_POLYARC_PATH || kind == GEOM_POLYLINE_PATH ? 2 : 1;
    vertices.reserve(static_cast<std::size_t>(words > first ? (words - first) / stride : 0));
    for (int word = first; word + stride <= words; word += stride) {
        vertices.push_back({record[word], record[word + 1], isArc ? record[word + 2] : 0});
    }
    return vertices;
}

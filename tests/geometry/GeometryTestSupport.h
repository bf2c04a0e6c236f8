#pragma once

#include <array>
#include <memory>
#include <vector>

#include "perforex/perforex.h"

// An object returned by a conversion, owned by the test.
using Owned = std::unique_ptr<CVbVrtxGeom>;

// Returns a copy of an object's geometry record.
inline std::vector<int> Words(const CVbVrtxGeom& geom) {
    return std::vector<int>(geom.GetRecord(), geom.GetRecord() + geom.GetWordCount());
}

// Returns GetExtents as {xmin, ymin, xmax, ymax}.
inline std::array<int, 4> Extents(const CVbVrtxGeom& geom) {
    std::array<int, 4> box{};
    geom.GetExtents(&box[0], &box[1], &box[2], &box[3]);
    return box;
}

// Returns the vertex words of a polyline or polyarc object: the words after the header, and
// after the width of a path.
inline std::vector<int> VertexWords(const CVbVrtxGeom& geom) {
    const int head = geom.IsShape() ? 1 : 2;
    return std::vector<int>(geom.GetRecord() + head, geom.GetRecord() + geom.GetWordCount());
}

using Vertices = std::vector<int>;

constexpr int kMin = -2147483647 - 1;
constexpr int kMax = 2147483647;
constexpr int kBreaks = CVbVrtxGeom::kBreaksBit;
constexpr int kCcw = CVbVrtxGeom::kCounterClockwiseBit;
constexpr int kUser = CVbVrtxGeom::kUserFlagBit;
constexpr int kClosed = CVbVrtxGeom::kClosedBit;

#pragma once

#include <vector>

#include "geometry/RecordLayout.h"
#include "geometry/VertexChain.h"
#include "perforex/VbVrtxGeom.h"

// Validation and conversion steps shared by the polyline and polyarc kinds, written once over
// the public interface of their classes.

// Returns the vertex chain of a polyline or polyarc object.
template <class Chained>
VertexChain ChainOf(const Chained& geom, const RecordLayout& layout) {
    return VertexChain(geom.GetRecord() + layout.headWords, geom.GetWordCount() - layout.headWords,
                       layout.stride);
}

// Drops every vertex that repeats the x and y of the one kept before it, and the closing vertex
// when dropClosingRepeat is set and it repeats the first; installs and returns the result.
template <class Chained>
VertexChain InstallWithoutRepeats(Chained& geom, const RecordLayout& layout,
                                  bool dropClosingRepeat) {
    const std::vector<int> rebuilt = ChainOf(geom, layout).WithoutRepeats(dropClosingRepeat);
    geom.SetVertices(rebuilt.data(), static_cast<int>(rebuilt.size()));
    return ChainOf(geom, layout);
}

// Validates a polyline or polyarc shape: drops repeated vertices and a closing repeat, and
// returns 1 when an area remains, 0 otherwise.
template <class Shape>
int ValidateOutline(Shape& shape, const RecordLayout& layout) {
    const VertexChain chain = ChainOf(shape, layout);
    if (chain.Count() <= 2) {
        return chain.EnclosesArea() ? 1 : 0;
    }
    const VertexChain::PairScan scan = chain.ScanPairs();
    if (scan == VertexChain::PairScan::kCentresDiffer) {
        return 0;
    }
    if (scan == VertexChain::PairScan::kNoRepeat && !chain.SamePoint(0, chain.Count() - 1)) {
        return 1;
    }
    return InstallWithoutRepeats(shape, layout, true).EnclosesArea() ? 1 : 0;
}

// Returns the shape bounded by a polyline or polyarc path, or null when the path has break
// markers or is open.
template <class Shape, class Path>
CVbVrtxGeom* ShapeOfPath(const Path& path, const RecordLayout& layout) {
    const int header = path.GetRecord()[0];
    if ((header & CVbVrtxGeom::kBreaksBit) != 0) {
        return nullptr;
    }
    const int shapeWords =
        ChainOf(path, layout).ShapeWords((header & CVbVrtxGeom::kClosedBit) != 0);
    if (shapeWords < 0) {
        return nullptr;
    }
    return new Shape(path.GetRecord() + layout.headWords, shapeWords,
                     header & CVbVrtxGeom::kUserFlagBit,
                     header & CVbVrtxGeom::kCounterClockwiseBit);
}

// Returns the closed path of the given width along a polyline or polyarc shape.
template <class Path, class Shape>
CVbVrtxGeom* PathOfShape(const Shape& shape, int width, const RecordLayout& layout) {
    const int header = shape.GetRecord()[0];
    return new Path(width, shape.GetRecord() + layout.headWords,
                    shape.GetWordCount() - layout.headWords, 1, header & CVbVrtxGeom::kUserFlagBit,
                    header & CVbVrtxGeom::kCounterClockwiseBit, 0);
}

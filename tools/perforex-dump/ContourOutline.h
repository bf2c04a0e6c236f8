#pragma once

#include <vector>

#include "ContourStep.h"
#include "Extents.h"

// Decodes the record of a polyarc path (header, width, then x, y, r per vertex) into the moves,
// lines and arcs of its centre line, and measures them. One object is reused for every contour.
class ContourOutline {
  public:
    // Decodes a record of the given number of words; the steps stay valid until the next call.
    void Decode(const int* record, int words);

    const std::vector<ContourStep>& Steps() const { return steps_; }
    int Width() const { return width_; }
    bool IsClosed() const { return closed_; }
    // Returns the length of the centre line, arcs measured along the arc.
    double Length() const;
    // Returns the bounds of the centre line grown by half the width.
    Extents Bounds() const;

  private:
    struct Vertex {
        int x, y, r;
    };

    Vertex VertexAt(int index) const;
    bool IsBreak(const Vertex& vertex) const;
    void AddArc(const Vertex& centre, const Vertex& end);

    const int* record_ = nullptr;
    int vertexCount_ = 0;
    int width_ = 0;
    bool closed_ = false;
    bool breaks_ = false;
    double penX_ = 0.0;
    double penY_ = 0.0;
    std::vector<ContourStep> steps_;
};

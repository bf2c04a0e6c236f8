#pragma once

#include "geometry/RecordLayout.h"

class ExtentBox;

// Works on the vertices of one geometry record in place, by its kind's layout. Every moving
// operation leaves break markers alone when the record's Breaks bit applies, and saturates at
// +-2147483647 instead of wrapping.
class GeomRecordView {
  public:
    GeomRecordView(int* words, int wordCount, const RecordLayout& layout);

    // Adds (dx, dy) to every vertex; does nothing when both are 0.
    void Translate(int dx, int dy) const;
    // Negates every x, and every polyarc radius; puts a rectangle's corners back in order.
    void MirrorX() const;
    // Negates every y, and every polyarc radius; puts a rectangle's corners back in order.
    void MirrorY() const;
    // Rotates every vertex about (cx, cy) by angle ten-thousandths of a degree; 0 does nothing.
    void Rotate(int angle, int cx, int cy) const;
    // Multiplies every word after the header, the width included, by factor, rounding half away
    // from zero; 0.0 and 1.0 do nothing.
    void Scale(double factor) const;
    // Merges every point's (x, y) into box, and for each polyarc centre the bounds of its arc
    // (not the centre itself). A centre in first place, or next to a break marker, has no arc
    // to bound.
    void MergeOutline(ExtentBox& box) const;

  private:
    // Returns the first word of vertex index.
    int* Vertex(int index) const { return words + layout.headWords + index * layout.stride; }
    // Tells whether vertex index is a break marker that the operations must skip.
    bool IsBreak(int index) const;
    // Negates word offset of every vertex, and the radius word when it is signed.
    void Mirror(int offset) const;
    // Merges the bounds of the arc about the centre vertex at index into box.
    void MergeArc(ExtentBox& box, int index) const;

    int* words;
    RecordLayout layout;
    int vertexCount;
    bool skipBreaks;
};

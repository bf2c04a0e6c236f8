#include "geometry/GeomRecordView.h"

#include <algorithm>

#include "geometry/Angles.h"
#include "geometry/CoordinateRange.h"
#include "geometry/ExtentBox.h"
#include "geometry/PlaneCalc.h"
#include "geometry/RectCorners.h"
#include "perforex/VbVrtxGeom.h"

GeomRecordView::GeomRecordView(int* words, int wordCount, const RecordLayout& layout)
    : words(words),
      layout(layout),
      vertexCount(std::max(wordCount - layout.headWords, 0) / layout.stride),
      skipBreaks(layout.breaksAllowed && (words[0] & CVbVrtxGeom::kBreaksBit) != 0) {}

bool GeomRecordView::IsBreak(int index) const {
    if (!skipBreaks) {
        return false;
    }
    const int* vertex = Vertex(index);
    return std::find(vertex, vertex + layout.stride, CVbVrtxGeom::kBreakMarker) !=
           vertex + layout.stride;
}

void GeomRecordView::Translate(int dx, int dy) const {
    if (dx == 0 && dy == 0) {
        return;
    }
    for (int i = 0; i < vertexCount; ++i) {
        if (!IsBreak(i)) {
            int* vertex = Vertex(i);
            vertex[0] = CoordinateRange::Add(vertex[0], dx);
            vertex[1] = CoordinateRange::Add(vertex[1], dy);
        }
    }
}

void GeomRecordView::MirrorX() const {
    Mirror(0);
}

void GeomRecordView::MirrorY() const {
    Mirror(1);
}

void GeomRecordView::Mirror(int offset) const {
    for (int i = 0; i < vertexCount; ++i) {
        if (!IsBreak(i)) {
            int* vertex = Vertex(i);
            vertex[offset] = CoordinateRange::Negate(vertex[offset]);
            if (layout.signedRadius) {
                vertex[2] = CoordinateRange::Negate(vertex[2]);
            }
        }
    }
    if (layout.corners) {
        RectCorners::PutInOrder(Vertex(0));
    }
}

void GeomRecordView::Rotate(int angle, int cx, int cy) const {
    if (angle == 0) {
        return;
    }
    const double radians = RadiansFromTenThousandths(angle);
    for (int i = 0; i < vertexCount; ++i) {
        if (!IsBreak(i)) {
            int* vertex = Vertex(i);
            pcRotateVertex(radians, cx, cy, &vertex[0], &vertex[1]);
        }
    }
}

void GeomRecordView::Scale(double factor) const {
    if (factor == 0.0 || factor == 1.0) {
        return;
    }
    const auto scaled = [factor](int word) {
        return CoordinateRange::RoundHalfAway(word * factor);
    };
    std::transform(words + 1, words + layout.headWords, words + 1, scaled);
    for (int i = 0; i < vertexCount; ++i) {
        if (!IsBreak(i)) {
            int* vertex = Vertex(i);
            std::transform(vertex, vertex + layout.stride, vertex, scaled);
        }
    }
}

void GeomRecordView::MergeOutline(ExtentBox& box) const {
    for (int i = 0; i < vertexCount; ++i) {
        if (IsBreak(i)) {
            continue;
        }
        if (layout.signedRadius && Vertex(i)[2] != 0) {
            MergeArc(box, i);
        } else {
            box.Merge(Vertex(i)[0], Vertex(i)[1]);
        }
    }
}

void GeomRecordView::MergeArc(ExtentBox& box, int index) const {
    const int next = index + 1 < vertexCount ? index + 1 : 0;
    if (index == 0 || IsBreak(index - 1) || IsBreak(next)) {
        return;
    }
    const int* start = Vertex(index - 1);
    const int* centre = Vertex(index);
    const int* end = Vertex(next);
    int xa = 0, ya = 0, xb = 0, yb = 0;
    pcCircularArcRange(start[0], start[1], end[0], end[1], centre[0], centre[1],
                       CoordinateRange::Negate(centre[2]), centre[2] > 0 ? 1 : 0, &xa, &ya, &xb,
                       &yb);
    box.Merge(xa, ya);
    box.Merge(xb, yb);
}

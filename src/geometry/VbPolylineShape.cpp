#include "perforex/VbPolylineShape.h"

#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "geometry/VertexChainOps.h"
#include "perforex/VbPolylinePath.h"

namespace {

constexpr int kHeadWords = kPolylineShapeLayout.headWords;

}  // namespace

CVbPolylineShape::CVbPolylineShape() : CVbVrtxGeom(GEOM_POLYLINE_SHAPE, kHeadWords) {}

CVbPolylineShape::CVbPolylineShape(const int* words, int count)
    : CVbVrtxGeom(words, count, kHeadWords) {}

CVbPolylineShape::CVbPolylineShape(const int* vertexWords, int count, int userFlag,
                                   int counterClockwise)
    : CVbVrtxGeom(GEOM_POLYLINE_SHAPE, kHeadWords) {
    Set(vertexWords, count, userFlag, counterClockwise);
}

void CVbPolylineShape::Set(const int* vertexWords, int count, int userFlag, int counterClockwise) {
    SetVertices(vertexWords, count);
    SetKind(GEOM_POLYLINE_SHAPE);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

int* CVbPolylineShape::GetVertices() const {
    return CopyVertexWords(kHeadWords);
}

void CVbPolylineShape::SetVertices(const int* words, int count) {
    ReplaceVertexWords(kHeadWords, words, count);
}

CVbVrtxGeom* CVbPolylineShape::ToShape() const {
    return nullptr;
}

CVbVrtxGeom* CVbPolylineShape::ToPath(int width) const {
    return PathOfShape<CVbPolylinePath>(*this, width, kPolylineShapeLayout);
}

void CVbPolylineShape::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox box;
    GeomRecordView(record, wordCount, kPolylineShapeLayout).MergeOutline(box);
    box.Write(xmin, ymin, xmax, ymax);
}

int CVbPolylineShape::Validate() {
    return ValidateOutline(*this, kPolylineShapeLayout);
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbPolylineShape, kPolylineShapeLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbPolylineShape, kPolylineShapeLayout)

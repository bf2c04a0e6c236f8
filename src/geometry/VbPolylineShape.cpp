#include "perforex/VbPolylineShape.h"

#include "geometry/ExtentBox.h"
#include "geometry/GeomRecordView.h"
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

int CVbPolylineShape::IsShape() const {
    return 1;
}

int CVbPolylineShape::GetWidth() const {
    return 0;
}

void CVbPolylineShape::SetWidth(int) {}

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

void CVbPolylineShape::MirrorY() {
    GeomRecordView(record, wordCount, kPolylineShapeLayout).MirrorY();
}

void CVbPolylineShape::MirrorX() {
    GeomRecordView(record, wordCount, kPolylineShapeLayout).MirrorX();
}

CVbVrtxGeom* CVbPolylineShape::Rotate(int angle, int cx, int cy) {
    GeomRecordView(record, wordCount, kPolylineShapeLayout).Rotate(angle, cx, cy);
    return nullptr;
}

void CVbPolylineShape::Translate(int dx, int dy) {
    GeomRecordView(record, wordCount, kPolylineShapeLayout).Translate(dx, dy);
}

CVbVrtxGeom* CVbPolylineShape::Transform(int mirror, int angle, int dx, int dy, double scale) {
    GeomRecordView(record, wordCount, kPolylineShapeLayout).Scale(scale);
    return MirrorRotateTranslate(mirror, angle, dx, dy);
}

int CVbPolylineShape::Validate() {
    return ValidateOutline(*this, kPolylineShapeLayout);
}

void CVbPolylineShape::Reserved(int) {}

#include "perforex/VbPolyarcShape.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/GeomRecordView.h"
#include "geometry/VertexChainOps.h"
#include "perforex/VbPolyarcPath.h"
#include "perforex/VbPolylineShape.h"

namespace {

constexpr int kHeadWords = kPolyarcShapeLayout.headWords;

}  // namespace

CVbPolyarcShape::CVbPolyarcShape() : CVbVrtxGeom(GEOM_POLYARC_SHAPE, kHeadWords) {}

CVbPolyarcShape::CVbPolyarcShape(const int* words, int count)
    : CVbVrtxGeom(words, count, kHeadWords) {}

CVbPolyarcShape::CVbPolyarcShape(const int* vertexWords, int count, int userFlag,
                                 int counterClockwise)
    : CVbVrtxGeom(GEOM_POLYARC_SHAPE, kHeadWords) {
    Set(vertexWords, count, userFlag, counterClockwise);
}

void CVbPolyarcShape::Set(const int* vertexWords, int count, int userFlag, int counterClockwise) {
    SetVertices(vertexWords, count);
    SetKind(GEOM_POLYARC_SHAPE);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

CVbPolylineShape* CVbPolyarcShape::ToPolygon(int stepDegrees) const {
    ChordFlattener chords;
    chords.AddPolyarc(record + kHeadWords, wordCount - kHeadWords, stepDegrees);
    if (!chords.Succeeded()) {
        return nullptr;
    }
    return new CVbPolylineShape(chords.Words(), chords.WordCount(), HasHeaderBit(kUserFlagBit),
                                HasHeaderBit(kCounterClockwiseBit));
}

int* CVbPolyarcShape::GetVertices() const {
    return CopyVertexWords(kHeadWords);
}

void CVbPolyarcShape::SetVertices(const int* words, int count) {
    ReplaceVertexWords(kHeadWords, words, count);
}

int CVbPolyarcShape::IsShape() const {
    return 1;
}

int CVbPolyarcShape::GetWidth() const {
    return 0;
}

void CVbPolyarcShape::SetWidth(int) {}

CVbVrtxGeom* CVbPolyarcShape::ToShape() const {
    return nullptr;
}

CVbVrtxGeom* CVbPolyarcShape::ToPath(int width) const {
    return PathOfShape<CVbPolyarcPath>(*this, width, kPolyarcShapeLayout);
}

void CVbPolyarcShape::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox box;
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).MergeOutline(box);
    box.Write(xmin, ymin, xmax, ymax);
}

void CVbPolyarcShape::MirrorY() {
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).MirrorY();
}

void CVbPolyarcShape::MirrorX() {
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).MirrorX();
}

CVbVrtxGeom* CVbPolyarcShape::Rotate(int angle, int cx, int cy) {
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).Rotate(angle, cx, cy);
    return nullptr;
}

void CVbPolyarcShape::Translate(int dx, int dy) {
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).Translate(dx, dy);
}

CVbVrtxGeom* CVbPolyarcShape::Transform(int mirror, int angle, int dx, int dy, double scale) {
    GeomRecordView(record, wordCount, kPolyarcShapeLayout).Scale(scale);
    return MirrorRotateTranslate(mirror, angle, dx, dy);
}

int CVbPolyarcShape::Validate() {
    return ValidateOutline(*this, kPolyarcShapeLayout);
}

void CVbPolyarcShape::Reserved(int) {}

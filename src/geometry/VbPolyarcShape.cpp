#include "perforex/VbPolyarcShape.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
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

int CVbPolyarcShape::Validate() {
    return ValidateOutline(*this, kPolyarcShapeLayout);
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbPolyarcShape, kPolyarcShapeLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbPolyarcShape, kPolyarcShapeLayout)

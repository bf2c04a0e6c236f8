#include "perforex/VbCircleShape.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "perforex/VbCirclePath.h"
#include "perforex/VbPolylineShape.h"

namespace {

constexpr int kWords = kCircleShapeLayout.FixedWords();

}  // namespace

CVbCircleShape::CVbCircleShape() : CVbVrtxGeom(GEOM_CIRCLE_SHAPE, kWords) {}

CVbCircleShape::CVbCircleShape(const int* words) : CVbVrtxGeom(words, kWords, kWords) {}

CVbCircleShape::CVbCircleShape(int cx, int cy, int r, int userFlag, int counterClockwise)
    : CVbVrtxGeom(GEOM_CIRCLE_SHAPE, kWords) {
    Set(cx, cy, r, userFlag, counterClockwise);
}

void CVbCircleShape::Set(int cx, int cy, int r, int userFlag, int counterClockwise) {
    const int words[] = {cx, cy, r};
    ReplaceVertexWords(1, words, kWords - 1);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

CVbPolylineShape* CVbCircleShape::ToPolygon(int stepDegrees) const {
    ChordFlattener outline;
    outline.AddCircle(record[1], record[2], record[3], stepDegrees,
                      HasHeaderBit(kCounterClockwiseBit));
    if (!outline.Succeeded()) {
        return nullptr;
    }
    return new CVbPolylineShape(outline.Words(), outline.WordCount(), HasHeaderBit(kUserFlagBit),
                                HasHeaderBit(kCounterClockwiseBit));
}

CVbVrtxGeom* CVbCircleShape::ToShape() const {
    return nullptr;
}

CVbVrtxGeom* CVbCircleShape::ToPath(int width) const {
    return new CVbCirclePath(width, record[1], record[2], record[3], HasHeaderBit(kUserFlagBit),
                             HasHeaderBit(kCounterClockwiseBit));
}

void CVbCircleShape::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox::AroundCentre(record[1], record[2], record[3]).Write(xmin, ymin, xmax, ymax);
}

int CVbCircleShape::Validate() {
    return 1;
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbCircleShape, kCircleShapeLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbCircleShape, kCircleShapeLayout)

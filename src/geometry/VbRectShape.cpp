#include "perforex/VbRectShape.h"

#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "geometry/RectCorners.h"
#include "perforex/VbPolylineShape.h"
#include "perforex/VbRectPath.h"

namespace {

constexpr int kWords = kRectShapeLayout.FixedWords();

}  // namespace

CVbRectShape::CVbRectShape() : CVbVrtxGeom(GEOM_RECT_SHAPE, kWords) {}

CVbRectShape::CVbRectShape(const int* words) : CVbVrtxGeom(words, kWords, kWords) {}

CVbRectShape::CVbRectShape(int x1, int y1, int x2, int y2, int userFlag, int counterClockwise)
    : CVbVrtxGeom(GEOM_RECT_SHAPE, kWords) {
    Set(x1, y1, x2, y2, userFlag, counterClockwise);
}

void CVbRectShape::Set(int x1, int y1, int x2, int y2, int userFlag, int counterClockwise) {
    const int words[] = {x1, y1, x2, y2};
    ReplaceVertexWords(1, words, kWords - 1);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

CVbVrtxGeom* CVbRectShape::ToShape() const {
    return nullptr;
}

CVbVrtxGeom* CVbRectShape::ToPath(int width) const {
    return new CVbRectPath(width, record[1], record[2], record[3], record[4],
                           HasHeaderBit(kUserFlagBit), HasHeaderBit(kCounterClockwiseBit));
}

void CVbRectShape::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    *xmin = record[1];
    *ymin = record[2];
    *xmax = record[3];
    *ymax = record[4];
}

CVbVrtxGeom* CVbRectShape::Rotate(int angle, int cx, int cy) {
    if (angle == 0) {
        return nullptr;
    }
    const auto outline = RectCorners::Outline(record + 1);
    CVbVrtxGeom* polygon = new CVbPolylineShape(outline.data(), 8, HasHeaderBit(kUserFlagBit),
                                                HasHeaderBit(kCounterClockwiseBit));
    polygon->Rotate(angle, cx, cy);
    return polygon;
}

int CVbRectShape::Validate() {
    return RectCorners::Validate(record + 1);
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbRectShape, kRectShapeLayout)

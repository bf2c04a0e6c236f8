#include "perforex/VbRectShape.h"

#include "geometry/ExtentBox.h"
#include "geometry/GeomRecordView.h"
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

int CVbRectShape::IsShape() const {
    return 1;
}

int CVbRectShape::GetWidth() const {
    return 0;
}

void CVbRectShape::SetWidth(int) {}

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

void CVbRectShape::MirrorY() {
    GeomRecordView(record, wordCount, kRectShapeLayout).MirrorY();
    RectCorners::PutInOrder(record + 1);
}

void CVbRectShape::MirrorX() {
    GeomRecordView(record, wordCount, kRectShapeLayout).MirrorX();
    RectCorners::PutInOrder(record + 1);
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

void CVbRectShape::Translate(int dx, int dy) {
    GeomRecordView(record, wordCount, kRectShapeLayout).Translate(dx, dy);
}

CVbVrtxGeom* CVbRectShape::Transform(int mirror, int angle, int dx, int dy, double scale) {
    GeomRecordView(record, wordCount, kRectShapeLayout).Scale(scale);
    return MirrorRotateTranslate(mirror, angle, dx, dy);
}

int CVbRectShape::Validate() {
    return RectCorners::Validate(record + 1);
}

void CVbRectShape::Reserved(int) {}

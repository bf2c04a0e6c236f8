#include "perforex/VbRectPath.h"

#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "geometry/RectCorners.h"
#include "perforex/VbPolylinePath.h"
#include "perforex/VbRectShape.h"

namespace {

constexpr int kWords = kRectPathLayout.FixedWords();

}  // namespace

CVbRectPath::CVbRectPath() : CVbVrtxGeom(GEOM_RECT_PATH, kWords) {}

CVbRectPath::CVbRectPath(const int* words) : CVbVrtxGeom(words, kWords, kWords) {}

CVbRectPath::CVbRectPath(int width, int x1, int y1, int x2, int y2, int userFlag,
                         int counterClockwise)
    : CVbVrtxGeom(GEOM_RECT_PATH, kWords) {
    Set(width, x1, y1, x2, y2, userFlag, counterClockwise);
}

void CVbRectPath::Set(int width, int x1, int y1, int x2, int y2, int userFlag,
                      int counterClockwise) {
    const int words[] = {width, x1, y1, x2, y2};
    ReplaceVertexWords(1, words, kWords - 1);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

CVbVrtxGeom* CVbRectPath::ToShape() const {
    return new CVbRectShape(record[2], record[3], record[4], record[5], HasHeaderBit(kUserFlagBit),
                            HasHeaderBit(kCounterClockwiseBit));
}

CVbVrtxGeom* CVbRectPath::ToPath(int) const {
    return nullptr;
}

void CVbRectPath::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox box(record[2], record[3], record[4], record[5]);
    box.Grow(GetWidth() / 2);
    box.Write(xmin, ymin, xmax, ymax);
}

CVbVrtxGeom* CVbRectPath::Rotate(int angle, int cx, int cy) {
    if (angle == 0) {
        return nullptr;
    }
    const auto outline = RectCorners::Outline(record + 2);
    CVbVrtxGeom* polygon = new CVbPolylinePath(GetWidth(), outline.data(), 8, 1, 0, 0, 0);
    polygon->Rotate(angle, cx, cy);
    return polygon;
}

int CVbRectPath::Validate() {
    if (GetWidth() < 0) {
        SetWidth(0);
    }
    return RectCorners::Validate(record + 2);
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbRectPath, kRectPathLayout)

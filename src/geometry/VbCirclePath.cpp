#include "perforex/VbCirclePath.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "perforex/VbCircleShape.h"
#include "perforex/VbPolylinePath.h"

namespace {

constexpr int kWords = kCirclePathLayout.FixedWords();

}  // namespace

CVbCirclePath::CVbCirclePath() : CVbVrtxGeom(GEOM_CIRCLE_PATH, kWords) {}

CVbCirclePath::CVbCirclePath(const int* words) : CVbVrtxGeom(words, kWords, kWords) {}

CVbCirclePath::CVbCirclePath(int width, int cx, int cy, int r, int userFlag, int counterClockwise)
    : CVbVrtxGeom(GEOM_CIRCLE_PATH, kWords) {
    Set(width, cx, cy, r, userFlag, counterClockwise);
}

void CVbCirclePath::Set(int width, int cx, int cy, int r, int userFlag, int counterClockwise) {
    const int words[] = {width, cx, cy, r};
    ReplaceVertexWords(1, words, kWords - 1);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
}

CVbPolylinePath* CVbCirclePath::ToPolygon(int stepDegrees) const {
    ChordFlattener outline;
    outline.AddCircle(record[2], record[3], record[4], stepDegrees,
                      HasHeaderBit(kCounterClockwiseBit));
    if (!outline.Succeeded()) {
        return nullptr;
    }
    return new CVbPolylinePath(GetWidth(), outline.Words(), outline.WordCount(), 1,
                               HasHeaderBit(kUserFlagBit), HasHeaderBit(kCounterClockwiseBit), 0);
}

CVbVrtxGeom* CVbCirclePath::ToShape() const {
    return new CVbCircleShape(record[2], record[3], record[4], HasHeaderBit(kUserFlagBit),
                              HasHeaderBit(kCounterClockwiseBit));
}

CVbVrtxGeom* CVbCirclePath::ToPath(int) const {
    return nullptr;
}

void CVbCirclePath::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    const std::int64_t reach = static_cast<std::int64_t>(record[4]) + GetWidth() / 2;
    ExtentBox::AroundCentre(record[2], record[3], reach).Write(xmin, ymin, xmax, ymax);
}

int CVbCirclePath::Validate() {
    if (GetWidth() < 0) {
        SetWidth(0);
    }
    return 1;
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbCirclePath, kCirclePathLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbCirclePath, kCirclePathLayout)

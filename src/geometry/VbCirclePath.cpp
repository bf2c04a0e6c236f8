#include "perforex/VbCirclePath.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/GeomRecordView.h"
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

int CVbCirclePath::IsShape() const {
    return 0;
}

int CVbCirclePath::GetWidth() const {
    return record[1];
}

void CVbCirclePath::SetWidth(int width) {
    record[1] = width;
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

void CVbCirclePath::MirrorY() {
    GeomRecordView(record, wordCount, kCirclePathLayout).MirrorY();
}

void CVbCirclePath::MirrorX() {
    GeomRecordView(record, wordCount, kCirclePathLayout).MirrorX();
}

CVbVrtxGeom* CVbCirclePath::Rotate(int angle, int cx, int cy) {
    GeomRecordView(record, wordCount, kCirclePathLayout).Rotate(angle, cx, cy);
    return nullptr;
}

void CVbCirclePath::Translate(int dx, int dy) {
    GeomRecordView(record, wordCount, kCirclePathLayout).Translate(dx, dy);
}

CVbVrtxGeom* CVbCirclePath::Transform(int mirror, int angle, int dx, int dy, double scale) {
    GeomRecordView(record, wordCount, kCirclePathLayout).Scale(scale);
    return MirrorRotateTranslate(mirror, angle, dx, dy);
}

int CVbCirclePath::Validate() {
    if (GetWidth() < 0) {
        SetWidth(0);
    }
    return 1;
}

void CVbCirclePath::Reserved(int) {}

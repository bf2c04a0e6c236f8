#include "perforex/VbVrtxGeom.h"

#include <algorithm>

#include "geometry/RecordLayout.h"
#include "perforex/VbCirclePath.h"
#include "perforex/VbCircleShape.h"
#include "perforex/VbPolyarcPath.h"
#include "perforex/VbPolyarcShape.h"
#include "perforex/VbPolylinePath.h"
#include "perforex/VbPolylineShape.h"
#include "perforex/VbRectPath.h"
#include "perforex/VbRectShape.h"

namespace {

// Word counts of the fixed-size kinds, indexed by kind code; 0 for the kinds of any length.
constexpr int kFixedWords[] = {0,
                               kCirclePathLayout.FixedWords(),
                               kCircleShapeLayout.FixedWords(),
                               kRectPathLayout.FixedWords(),
                               kRectShapeLayout.FixedWords(),
                               kPolylinePathLayout.FixedWords(),
                               kPolylineShapeLayout.FixedWords(),
                               kPolyarcPathLayout.FixedWords(),
                               kPolyarcShapeLayout.FixedWords()};

}  // namespace

CVbVrtxGeom::CVbVrtxGeom(int kind, int words) : record(new int[words]), wordCount(words) {
    std::fill(record, record + words, -1);
    record[0] = kind;
}

CVbVrtxGeom::CVbVrtxGeom(const int* words, int count, int minimumWords)
    : record(nullptr), wordCount(std::max({count, minimumWords, 1})) {
    const int copied = std::max(count, 0);
    record = new int[wordCount]();
    std::copy(words, words + copied, record);
}

CVbVrtxGeom::~CVbVrtxGeom() {
    delete[] record;
}

void CVbVrtxGeom::SetCounterClockwise(int on) {
    SetHeaderBit(kCounterClockwiseBit, on);
}

void CVbVrtxGeom::SetUserFlag(int on) {
    SetHeaderBit(kUserFlagBit, on);
}

void CVbVrtxGeom::SetAuxFlag(int on) {
    SetHeaderBit(kAuxFlagBit, on);
}

int CVbVrtxGeom::GetCounterClockwise() const {
    return HasHeaderBit(kCounterClockwiseBit) ? 1 : 0;
}

int CVbVrtxGeom::GetUserFlag() const {
    return HasHeaderBit(kUserFlagBit) ? 1 : 0;
}

int CVbVrtxGeom::GetAuxFlag() const {
    return HasHeaderBit(kAuxFlagBit) ? 1 : 0;
}

void CVbVrtxGeom::SetHeaderBit(int bit, int on) {
    record[0] = on != 0 ? (record[0] | bit) : (record[0] & ~bit);
}

void CVbVrtxGeom::SetKind(int kind) {
    record[0] = (record[0] & ~kGeomKindMask) | kind;
}

int* CVbVrtxGeom::CopyVertexWords(int headWords) const {
    const int count = std::max(wordCount - headWords, 0);
    int* words = new int[count];
    std::copy(record + headWords, record + headWords + count, words);
    return words;
}

void CVbVrtxGeom::ReplaceVertexWords(int headWords, const int* words, int count) {
    count = std::max(count, 0);
    if (count == wordCount - headWords) {
        std::copy(words, words + count, record + headWords);
        return;
    }
    // The new words may come from the old record, so it is freed only after the copy.
    int* resized = new int[headWords + count];
    std::copy(record, record + headWords, resized);
    std::copy(words, words + count, resized + headWords);
    delete[] record;
    record = resized;
    wordCount = headWords + count;
}

CVbVrtxGeom* CVbVrtxGeom::MirrorRotateTranslate(int mirror, int angle, int dx, int dy) {
    if (mirror != 0) {
        MirrorY();
    }
    CVbVrtxGeom* replacement = angle != 0 ? Rotate(angle, 0, 0) : nullptr;
    if (dx != 0 || dy != 0) {
        (replacement != nullptr ? replacement : this)->Translate(dx, dy);
    }
    return replacement;
}

int GetKind(const int* record) {
    if (record == nullptr) {
        return 0;
    }
    const int kind = record[0] & CVbVrtxGeom::kGeomKindMask;
    return kind >= GEOM_CIRCLE_PATH && kind <= GEOM_POLYARC_SHAPE ? kind : 0;
}

int GetAuxCode(const int* record) {
    if (record == nullptr) {
        return 0;
    }
    const int code = (record[0] & CVbVrtxGeom::kAuxCodeMask) >> CVbVrtxGeom::kAuxCodeShift;
    return code == 4 ? 2 : code;
}

CVbVrtxGeom* CreateFromRecord(const int* record, int words) {
    const int kind = words >= 1 ? GetKind(record) : 0;
    if (kind == 0 || words < kFixedWords[kind]) {
        return nullptr;
    }
    switch (kind) {
        case GEOM_CIRCLE_PATH:
            return new CVbCirclePath(record);
        case GEOM_CIRCLE_SHAPE:
            return new CVbCircleShape(record);
        case GEOM_RECT_PATH:
            return new CVbRectPath(record);
        case GEOM_RECT_SHAPE:
            return new CVbRectShape(record);
        case GEOM_POLYLINE_PATH:
            return new CVbPolylinePath(record, words);
        case GEOM_POLYLINE_SHAPE:
            return new CVbPolylineShape(record, words);
        case GEOM_POLYARC_PATH:
            return new CVbPolyarcPath(record, words);
        default:
            return new CVbPolyarcShape(record, words);
    }
}

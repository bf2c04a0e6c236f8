#include "perforex/VbPolyarcPath.h"

#include "geometry/ChordFlattener.h"
#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "geometry/VertexChainOps.h"
#include "perforex/VbPolyarcShape.h"
#include "perforex/VbPolylinePath.h"

namespace {

constexpr int kHeadWords = kPolyarcPathLayout.headWords;

}  // namespace

CVbPolyarcPath::CVbPolyarcPath() : CVbVrtxGeom(GEOM_POLYARC_PATH, kHeadWords) {}

CVbPolyarcPath::CVbPolyarcPath(const int* words, int count)
    : CVbVrtxGeom(words, count, kHeadWords) {}

CVbPolyarcPath::CVbPolyarcPath(int width, const int* vertexWords, int count, int closed,
                               int userFlag, int counterClockwise, int breaks)
    : CVbVrtxGeom(GEOM_POLYARC_PATH, kHeadWords) {
    Set(width, vertexWords, count, closed, userFlag, counterClockwise, breaks);
}

void CVbPolyarcPath::Set(int width, const int* vertexWords, int count, int closed, int userFlag,
                         int counterClockwise, int breaks) {
    SetVertices(vertexWords, count);
    SetKind(GEOM_POLYARC_PATH);
    SetClosed(closed);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
    SetBreaks(breaks);
    SetWidth(width);
}

CVbPolylinePath* CVbPolyarcPath::ToPolygon(int stepDegrees) const {
    ChordFlattener chords;
    chords.AddPolyarc(record + kHeadWords, wordCount - kHeadWords, stepDegrees);
    if (!chords.Succeeded()) {
        return nullptr;
    }
    return new CVbPolylinePath(GetWidth(), chords.Words(), chords.WordCount(),
                               HasHeaderBit(kClosedBit), HasHeaderBit(kUserFlagBit),
                               HasHeaderBit(kCounterClockwiseBit), HasHeaderBit(kBreaksBit));
}

int* CVbPolyarcPath::GetVertices() const {
    return CopyVertexWords(kHeadWords);
}

void CVbPolyarcPath::SetVertices(const int* words, int count) {
    ReplaceVertexWords(kHeadWords, words, count);
}

void CVbPolyarcPath::SetBreaks(int on) {
    SetHeaderBit(kBreaksBit, on);
}

void CVbPolyarcPath::SetClosed(int on) {
    SetHeaderBit(kClosedBit, on);
}

int CVbPolyarcPath::GetBreaks() const {
    return HasHeaderBit(kBreaksBit) ? 1 : 0;
}

int CVbPolyarcPath::GetClosed() const {
    return HasHeaderBit(kClosedBit) ? 1 : 0;
}

CVbVrtxGeom* CVbPolyarcPath::ToShape() const {
    return ShapeOfPath<CVbPolyarcShape>(*this, kPolyarcPathLayout);
}

CVbVrtxGeom* CVbPolyarcPath::ToPath(int) const {
    return nullptr;
}

void CVbPolyarcPath::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox box;
    GeomRecordView(record, wordCount, kPolyarcPathLayout).MergeOutline(box);
    box.Grow(GetWidth() / 2);
    box.Write(xmin, ymin, xmax, ymax);
}

int CVbPolyarcPath::Validate() {
    VertexChain chain = ChainOf(*this, kPolyarcPathLayout);
    const int count = chain.Count();
    if (count <= 1) {
        return 0;
    }
    if (GetWidth() < 0) {
        SetWidth(0);
    }
    if (chain.IsCentre(count - 1)) {
        SetClosed(1);
    }
    if (count == 2) {
        if (!chain.IsCentre(1)) {
            SetClosed(0);
        }
        return 1;
    }
    if (chain.SamePoint(0, count - 1)) {
        SetClosed(0);
    }
    const VertexChain::PairScan scan = chain.ScanPairs();
    if (scan != VertexChain::PairScan::kRepeat) {
        return scan == VertexChain::PairScan::kNoRepeat ? 1 : 0;
    }
    chain = InstallWithoutRepeats(*this, kPolyarcPathLayout, false);
    if (chain.Count() == 1) {
        return 0;
    }
    if (chain.Count() == 2 && !chain.IsCentre(1)) {
        SetClosed(0);
    }
    return 1;
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbPolyarcPath, kPolyarcPathLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbPolyarcPath, kPolyarcPathLayout)

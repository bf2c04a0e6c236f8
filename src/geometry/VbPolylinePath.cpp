#include "perforex/VbPolylinePath.h"

#include "geometry/ExtentBox.h"
#include "geometry/RecordSlots.h"
#include "geometry/VertexChainOps.h"
#include "perforex/VbPolylineShape.h"

namespace {

constexpr int kHeadWords = kPolylinePathLayout.headWords;

}  // namespace

CVbPolylinePath::CVbPolylinePath() : CVbVrtxGeom(GEOM_POLYLINE_PATH, kHeadWords) {}

CVbPolylinePath::CVbPolylinePath(const int* words, int count)
    : CVbVrtxGeom(words, count, kHeadWords) {}

CVbPolylinePath::CVbPolylinePath(int width, const int* vertexWords, int count, int closed,
                                 int userFlag, int counterClockwise, int breaks)
    : CVbVrtxGeom(GEOM_POLYLINE_PATH, kHeadWords) {
    Set(width, vertexWords, count, closed, userFlag, counterClockwise, breaks);
}

void CVbPolylinePath::Set(int width, const int* vertexWords, int count, int closed, int userFlag,
                          int counterClockwise, int breaks) {
    SetVertices(vertexWords, count);
    SetKind(GEOM_POLYLINE_PATH);
    SetClosed(closed);
    SetUserFlag(userFlag);
    SetCounterClockwise(counterClockwise);
    SetBreaks(breaks);
    SetWidth(width);
}

int* CVbPolylinePath::GetVertices() const {
    return CopyVertexWords(kHeadWords);
}

void CVbPolylinePath::SetVertices(const int* words, int count) {
    ReplaceVertexWords(kHeadWords, words, count);
}

void CVbPolylinePath::SetBreaks(int on) {
    SetHeaderBit(kBreaksBit, on);
}

void CVbPolylinePath::SetClosed(int on) {
    SetHeaderBit(kClosedBit, on);
}

int CVbPolylinePath::GetBreaks() const {
    return HasHeaderBit(kBreaksBit) ? 1 : 0;
}

int CVbPolylinePath::GetClosed() const {
    return HasHeaderBit(kClosedBit) ? 1 : 0;
}

CVbVrtxGeom* CVbPolylinePath::ToShape() const {
    return ShapeOfPath<CVbPolylineShape>(*this, kPolylinePathLayout);
}

CVbVrtxGeom* CVbPolylinePath::ToPath(int) const {
    return nullptr;
}

void CVbPolylinePath::GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const {
    ExtentBox box;
    GeomRecordView(record, wordCount, kPolylinePathLayout).MergeOutline(box);
    box.Grow(GetWidth() / 2);
    box.Write(xmin, ymin, xmax, ymax);
}

int CVbPolylinePath::Validate() {
    VertexChain chain = ChainOf(*this, kPolylinePathLayout);
    if (chain.Count() <= 1) {
        return 0;
    }
    if (GetWidth() < 0) {
        SetWidth(0);
    }
    if (chain.ScanPairs() == VertexChain::PairScan::kRepeat) {
        chain = InstallWithoutRepeats(*this, kPolylinePathLayout, false);
        if (chain.Count() == 1) {
            return 0;
        }
    }
    if (chain.Count() == 2 || chain.SamePoint(0, chain.Count() - 1)) {
        SetClosed(0);
    }
    return 1;
}

PERFOREX_DEFINE_RECORD_SLOTS(CVbPolylinePath, kPolylinePathLayout)
PERFOREX_DEFINE_VERTEX_ROTATION(CVbPolylinePath, kPolylinePathLayout)

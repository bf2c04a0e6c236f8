// Builds a geometry object from a fuzzed record and runs a fuzzed sequence of operations on it,
// following every replacement and conversion the operations hand back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FuzzedDataReader.h"
#include "perforex/perforex.h"

namespace {

constexpr int kMaxRecordWords = 64;
constexpr int kMaxVertexWords = 48;
constexpr int kMaxOperations = 48;

using Geometry = std::unique_ptr<CVbVrtxGeom>;

// Takes a record whose header carries a kind code from 0 to 9, so that the unknown kinds are
// tried too, and whatever flags the input gives.
std::vector<int> TakeRecord(FuzzedDataReader& input) {
    const int words = input.TakeByte() % (kMaxRecordWords + 1);
    std::vector<int> record(static_cast<std::size_t>(words));
    for (int& word : record) {
        word = input.TakeInt();
    }
    if (!record.empty()) {
        record[0] = (record[0] & ~CVbVrtxGeom::kGeomKindMask) | (input.TakeByte() % 10);
    }
    return record;
}

std::vector<int> TakeVertexWords(FuzzedDataReader& input) {
    std::vector<int> words(input.TakeByte() % (kMaxVertexWords + 1));
    for (int& word : words) {
        word = input.TakeInt();
    }
    return words;
}

// Stops the run when an object no longer holds a record of its own kind.
void CheckRecord(const CVbVrtxGeom& geometry) {
    if (geometry.GetRecord() == nullptr || geometry.GetWordCount() < 1 ||
        GetKind(geometry.GetRecord()) == 0) {
        std::abort();
    }
}

// Returns the polygon of the kinds that can flatten their arcs, or null for the others.
CVbVrtxGeom* ToPolygon(const CVbVrtxGeom& geometry, int step) {
    if (auto* path = dynamic_cast<const CVbCirclePath*>(&geometry)) {
        return path->ToPolygon(step);
    }
    if (auto* shape = dynamic_cast<const CVbCircleShape*>(&geometry)) {
        return shape->ToPolygon(step);
    }
    if (auto* path = dynamic_cast<const CVbPolyarcPath*>(&geometry)) {
        return path->ToPolygon(step);
    }
    if (auto* shape = dynamic_cast<const CVbPolyarcShape*>(&geometry)) {
        return shape->ToPolygon(step);
    }
    return nullptr;
}

// Exchanges the vertex words of the kinds that have a vertex list, after copying them out.
void ExchangeVertices(CVbVrtxGeom& geometry, const std::vector<int>& words) {
    const int count = static_cast<int>(words.size());
    if (auto* line = dynamic_cast<CVbPolylinePath*>(&geometry)) {
        delete[] line->GetVertices();
        line->SetVertices(words.data(), count);
    } else if (auto* lineShape = dynamic_cast<CVbPolylineShape*>(&geometry)) {
        delete[] lineShape->GetVertices();
        lineShape->SetVertices(words.data(), count);
    } else if (auto* arc = dynamic_cast<CVbPolyarcPath*>(&geometry)) {
        delete[] arc->GetVertices();
        arc->SetVertices(words.data(), count);
    } else if (auto* arcShape = dynamic_cast<CVbPolyarcShape*>(&geometry)) {
        delete[] arcShape->GetVertices();
        arcShape->SetVertices(words.data(), count);
    }
}

// Sets the path-only flags of the polyline and polyarc paths.
void SetPathFlags(CVbVrtxGeom& geometry, int breaks, int closed) {
    if (auto* line = dynamic_cast<CVbPolylinePath*>(&geometry)) {
        line->SetBreaks(breaks);
        line->SetClosed(closed);
    } else if (auto* arc = dynamic_cast<CVbPolyarcPath*>(&geometry)) {
        arc->SetBreaks(breaks);
        arc->SetClosed(closed);
    }
}

// Makes next the object worked on when an operation handed one back.
void Follow(Geometry& current, CVbVrtxGeom* next) {
    if (next != nullptr) {
        CheckRecord(*next);
        current.reset(next);
    }
}

void RunOperation(Geometry& current, FuzzedDataReader& input) {
    CVbVrtxGeom& geometry = *current;
    int xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    switch (input.TakeByte() % 16) {
        case 0:
            geometry.GetExtents(&xmin, &ymin, &xmax, &ymax);
            break;
        case 1:
            geometry.MirrorX();
            break;
        case 2:
            geometry.MirrorY();
            break;
        case 3: {
            const int angle = input.TakeInt();
            const int cx = input.TakeInt();
            Follow(current, geometry.Rotate(angle, cx, input.TakeInt()));
            break;
        }
        case 4: {
            const int dx = input.TakeInt();
            geometry.Translate(dx, input.TakeInt());
            break;
        }
        case 5: {
            const int mirror = input.TakeByte() % 2;
            const int angle = input.TakeInt();
            const int dx = input.TakeInt();
            const int dy = input.TakeInt();
            Follow(current, geometry.Transform(mirror, angle, dx, dy, input.TakeDouble()));
            break;
        }
        case 6:
            geometry.Validate();
            break;
        case 7:
            Follow(current, geometry.ToShape());
            break;
        case 8:
            Follow(current, geometry.ToPath(input.TakeInt()));
            break;
        case 9:
            Follow(current, ToPolygon(geometry, input.TakeInt()));
            break;
        case 10:
            geometry.SetWidth(input.TakeInt());
            break;
        case 11:
            ExchangeVertices(geometry, TakeVertexWords(input));
            break;
        case 12: {
            const int breaks = input.TakeByte() % 2;
            SetPathFlags(geometry, breaks, input.TakeByte() % 2);
            break;
        }
        case 13:
            geometry.SetCounterClockwise(input.TakeByte() % 2);
            geometry.SetUserFlag(input.TakeByte() % 2);
            geometry.SetAuxFlag(input.TakeByte() % 2);
            break;
        case 14:
            Follow(current, CreateFromRecord(geometry.GetRecord(), geometry.GetWordCount()));
            break;
        default:
            geometry.Reserved(input.TakeInt());
            (void)geometry.IsShape();
            (void)geometry.GetWidth();
            (void)GetAuxCode(geometry.GetRecord());
            break;
    }
    CheckRecord(*current);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataReader input(data, size);
    const std::vector<int> record = TakeRecord(input);
    Geometry current(CreateFromRecord(record.data(), static_cast<int>(record.size())));
    if (!current) {
        return 0;
    }
    CheckRecord(*current);
    for (int i = 0; i < kMaxOperations && !input.Empty(); ++i) {
        RunOperation(current, input);
    }
    return 0;
}

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "perforex/perforex.h"

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMarker = std::numeric_limits<int>::min();

using Geometry = std::unique_ptr<CVbVrtxGeom>;

// Records of every kind whose coordinates, widths and radii stand at the ends of the range.
std::vector<std::vector<int>> ExtremeRecords() {
    return {
        {GEOM_CIRCLE_PATH, kMax, kMax, -kMax, kMax},
        {GEOM_CIRCLE_SHAPE, -kMax, kMax, kMax},
        {GEOM_RECT_PATH, kMax, -kMax, -kMax, kMax, kMax},
        {GEOM_RECT_SHAPE, kMax, kMax, -kMax, -kMax},
        {GEOM_POLYLINE_PATH, kMax, -kMax, -kMax, kMax, kMax, 0, 1},
        {GEOM_POLYLINE_SHAPE, kMax, -kMax, -kMax, kMax, 1, 0},
        {GEOM_POLYARC_PATH, kMax, -kMax, 0, 0, 0, 0, kMax, kMax, kMax, 0, -kMax, 0, -kMax},
        {GEOM_POLYARC_SHAPE, 0, 0, 0, kMax, 0, -kMax, -kMax, 1, 0},
    };
}

// Returns the number of words after the header that hold the break-marker value.
int MarkerWords(const CVbVrtxGeom& geometry) {
    int markers = 0;
    for (int i = 1; i < geometry.GetWordCount(); ++i) {
        markers += geometry.GetRecord()[i] == kMarker;
    }
    return markers;
}

struct Operation {
    const char* name;
    // Runs the operation and returns the replacement it hands back, if any.
    std::function<CVbVrtxGeom*(CVbVrtxGeom&)> run;
};

const Operation kOperations[] = {
    {"MirrorX", [](CVbVrtxGeom& g) { return g.MirrorX(), nullptr; }},
    {"MirrorY", [](CVbVrtxGeom& g) { return g.MirrorY(), nullptr; }},
    {"Translate up", [](CVbVrtxGeom& g) { return g.Translate(kMax, kMax), nullptr; }},
    {"Translate down", [](CVbVrtxGeom& g) { return g.Translate(-kMax, kMarker), nullptr; }},
    {"Rotate", [](CVbVrtxGeom& g) { return g.Rotate(1234567, kMax, -kMax); }},
    {"Rotate by the least angle", [](CVbVrtxGeom& g) { return g.Rotate(kMarker, 0, 0); }},
    {"Transform huge", [](CVbVrtxGeom& g) { return g.Transform(1, 450000, kMax, -kMax, 1e12); }},
    {"Transform negative", [](CVbVrtxGeom& g) { return g.Transform(0, 0, 0, 0, -1e300); }},
    {"Transform infinite",
     [](CVbVrtxGeom& g) {
         return g.Transform(0, 0, 0, 0, std::numeric_limits<double>::infinity());
     }},
    {"Transform not a number",
     [](CVbVrtxGeom& g) {
         return g.Transform(0, 0, 0, 0, std::numeric_limits<double>::quiet_NaN());
     }},
    {"Validate", [](CVbVrtxGeom& g) { return g.Validate(), nullptr; }},
    {"ToShape", [](CVbVrtxGeom& g) { return g.ToShape(); }},
    {"ToPath", [](CVbVrtxGeom& g) { return g.ToPath(kMax); }},
};

// Runs every operation on every extreme record, then on what the operation handed back: no
// operation may turn a coordinate into a break marker, change a kind, or lose its record.
TEST(GeometryBadInput, ExtremeCoordinatesNeverBecomeBreakMarkers) {
    for (const std::vector<int>& record : ExtremeRecords()) {
        for (const Operation& operation : kOperations) {
            Geometry geometry(CreateFromRecord(record.data(), static_cast<int>(record.size())));
            ASSERT_NE(geometry, nullptr);
            const int kind = GetKind(geometry->GetRecord());
            const Geometry replacement(operation.run(*geometry));
            const std::string where =
                std::string(operation.name) + " of kind " + std::to_string(kind);
            EXPECT_EQ(GetKind(geometry->GetRecord()), kind) << where;
            EXPECT_EQ(MarkerWords(*geometry), 0) << where;
            int xmin, ymin, xmax, ymax;
            geometry->GetExtents(&xmin, &ymin, &xmax, &ymax);
            if (replacement != nullptr) {
                EXPECT_EQ(MarkerWords(*replacement), 0) << where;
                replacement->GetExtents(&xmin, &ymin, &xmax, &ymax);
            }
        }
    }
}

TEST(GeometryBadInput, RecordsShorterThanTheirFixedSizeAreRefused) {
    for (const std::vector<int>& record : ExtremeRecords()) {
        const int kind = record[0];
        const bool fixedSize = kind <= GEOM_RECT_SHAPE;
        for (int words = 0; words < static_cast<int>(record.size()); ++words) {
            const std::vector<int> shortRecord(record.begin(), record.begin() + words);
            // Copy the words into a buffer of exactly that size, so that a read past it shows.
            const std::unique_ptr<int[]> exact(new int[words > 0 ? words : 1]);
            std::copy(shortRecord.begin(), shortRecord.end(), exact.get());
            const Geometry geometry(CreateFromRecord(exact.get(), words));
            const int least = fixedSize ? static_cast<int>(record.size()) : 1;
            ASSERT_EQ(geometry != nullptr, words >= least) << kind << " " << words;
            if (geometry != nullptr && !fixedSize && kind % 2 == 1) {
                // A path record cut before its width gets a width word of its own.
                EXPECT_GE(geometry->GetWordCount(), 2) << kind << " " << words;
                EXPECT_EQ(geometry->GetWidth(), words >= 2 ? record[1] : 0) << kind;
            }
        }
    }
}

TEST(GeometryBadInput, PolygonStepsOutsideTheRangeGiveNoPolygon) {
    CVbCirclePath circle(10, 0, 0, 1000, 0, 0);
    CVbPolyarcShape arcs(std::vector<int>{0, 0, 0, 500, 0, 500, 1000, 0, 0}.data(), 9, 0, 0);
    for (const int step : {0, -1, kMarker, 361, kMax}) {
        EXPECT_EQ(std::unique_ptr<CVbVrtxGeom>(circle.ToPolygon(step)), nullptr) << step;
    }
    EXPECT_EQ(std::unique_ptr<CVbVrtxGeom>(arcs.ToPolygon(0)), nullptr);
}

TEST(GeometryBadInput, HugeCircleGivesNoPolygonRatherThanWrappedPoints) {
    CVbCircleShape circle(kMax - 10, 0, 1000, 0, 0);
    EXPECT_EQ(std::unique_ptr<CVbVrtxGeom>(circle.ToPolygon(10)), nullptr);
}

}  // namespace

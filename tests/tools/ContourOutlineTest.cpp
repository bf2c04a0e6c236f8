#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "ContourOutline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPath = 7;
constexpr int kClosed = 1 << 8;
constexpr int kBreaks = 1 << 5;
constexpr int kMark = INT_MIN;

using Kinds = std::vector<ContourStep::Kind>;
constexpr ContourStep::Kind M = ContourStep::Move;
constexpr ContourStep::Kind L = ContourStep::Line;
constexpr ContourStep::Kind A = ContourStep::Arc;
constexpr ContourStep::Kind Z = ContourStep::Close;

struct Case {
    const char* name;
    std::vector<int> record;
    Kinds kinds;
    double length;
    double minX, minY, maxX, maxY;
};

// Lengths and bounds worked out by hand: an arc is |r| times its turn, and reaches beyond its
// end points where it crosses the axis directions about its centre.
const Case kCases[] = {
    {"clockwise half circle over the top",
     {kPath, 1000, 0, 0, 0, 12700000, 0, 12700000, 25400000, 0, 0},
     {M, A},
     kPi * 12700000,
     -500,
     -500,
     25400500,
     12700500},
    {"counter-clockwise half circle under the bottom",
     {kPath, 1000, 0, 0, 0, 12700000, 0, -12700000, 25400000, 0, 0},
     {M, A},
     kPi * 12700000,
     -500,
     -12700500,
     25400500,
     500},
    {"three quarters counter-clockwise",
     {kPath, 0, 1000, 0, 0, 0, 0, -1000, 0, -1000, 0},
     {M, A},
     1.5 * kPi * 1000,
     -1000,
     -1000,
     1000,
     1000},
    {"centre in last place runs a full circle to the first vertex",
     {kPath | kClosed, 0, 1000, 0, 0, 0, 0, -1000},
     {M, A, Z},
     2 * kPi * 1000,
     -1000,
     -1000,
     1000,
     1000},
    {"closed square returns to its start",
     {kPath | kClosed, 0, 0, 0, 0, 10, 0, 0, 10, 10, 0, 0, 10, 0},
     {M, L, L, L, Z},
     40,
     0,
     0,
     10,
     10},
    {"repeated point draws nothing", {kPath, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0}, {M, L}, 5, 0, 0, 5, 0},
    {"break marker lifts the pen",
     {kPath | kBreaks, 0, 0, 0, 0, 10, 0, 0, kMark, kMark, kMark, 20, 0, 0, 30, 0, 0},
     {M, L, M, L},
     20,
     0,
     0,
     30,
     0},
    {"centre with nothing before it is skipped",
     {kPath, 0, 5, 5, 3, 0, 0, 0, 10, 0, 0},
     {M, L},
     10,
     0,
     0,
     10,
     0},
};

TEST(ContourOutline, DecodesMeasuresAndBoundsRecords) {
    ContourOutline outline;
    for (const Case& entry : kCases) {
        outline.Decode(entry.record.data(), static_cast<int>(entry.record.size()));
        Kinds kinds;
        for (const ContourStep& step : outline.Steps()) {
            kinds.push_back(step.kind);
        }
        EXPECT_EQ(kinds, entry.kinds) << entry.name;
        EXPECT_NEAR(outline.Length(), entry.length, 1e-6) << entry.name;
        const Extents bounds = outline.Bounds();
        EXPECT_NEAR(bounds.MinX(), entry.minX, 1e-6) << entry.name;
        EXPECT_NEAR(bounds.MinY(), entry.minY, 1e-6) << entry.name;
        EXPECT_NEAR(bounds.MaxX(), entry.maxX, 1e-6) << entry.name;
        EXPECT_NEAR(bounds.MaxY(), entry.maxY, 1e-6) << entry.name;
    }
}

TEST(ContourOutline, ArcsKeepCentreRadiusAndDirection) {
    const int record[] = {kPath, 0, 0, 0, 0, 12700000, 0, 12700000, 25400000, 0, 0};
    ContourOutline outline;
    outline.Decode(record, 11);
    const ContourStep& arc = outline.Steps().at(1);
    EXPECT_EQ(arc.centreX, 12700000);
    EXPECT_EQ(arc.centreY, 0);
    EXPECT_EQ(arc.radius, 12700000);
    EXPECT_NEAR(arc.startAngle, kPi, 1e-12);
    EXPECT_NEAR(arc.sweep, -kPi, 1e-12);
    EXPECT_EQ(arc.x, 25400000);
}

TEST(ContourOutline, ShortRecordsGiveNoSteps) {
    const int record[] = {kPath, 10};
    ContourOutline outline;
    outline.Decode(record, 2);
    EXPECT_TRUE(outline.Steps().empty());
    EXPECT_EQ(outline.Width(), 10);
    EXPECT_TRUE(outline.Bounds().IsEmpty());
    outline.Decode(nullptr, 0);
    EXPECT_TRUE(outline.Steps().empty());
}

}  // namespace

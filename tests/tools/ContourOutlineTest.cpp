#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ContourOutline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Case {
    const char* name;
    std::vector<int> record;
    std::vector<ContourStep::Kind> kinds;
    double length;
    // minX, minY, maxX, maxY
    double bounds[4];
};

// Worked out by hand: an arc is |r| times its turn and reaches beyond its end points where it
// crosses the axis directions about its centre; the bounds grow by half the width.
TEST(ContourOutline, DecodesMeasuresAndBoundsRecords) {
    using K = ContourStep;
    const Case cases[] = {
        {"clockwise half circle over the top",
         {7, 1000, 0, 0, 0, 12700000, 0, 12700000, 25400000, 0, 0},
         {K::Move, K::Arc},
         kPi * 12700000,
         {-500, -500, 25400500, 12700500}},
        {"three quarters counter-clockwise",
         {7, 0, 1000, 0, 0, 0, 0, -1000, 0, -1000, 0},
         {K::Move, K::Arc},
         1.5 * kPi * 1000,
         {-1000, -1000, 1000, 1000}},
    };
    ContourOutline outline;
    for (const Case& entry : cases) {
        outline.Decode(entry.record.data(), static_cast<int>(entry.record.size()));
        std::vector<ContourStep::Kind> kinds;
        for (const ContourStep& step : outline.Steps()) {
            kinds.push_back(step.kind);
        }
        EXPECT_EQ(kinds, entry.kinds) << entry.name;
        EXPECT_NEAR(outline.Length(), entry.length, 1e-6) << entry.name;
        const Extents bounds = outline.Bounds();
        const double actual[] = {bounds.MinX(), bounds.MinY(), bounds.MaxX(), bounds.MaxY()};
        for (int side = 0; side < 4; ++side) {
            EXPECT_NEAR(actual[side], entry.bounds[side], 1e-6) << entry.name << " " << side;
        }
    }
}

}  // namespace

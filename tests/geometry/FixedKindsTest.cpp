#include <gtest/gtest.h>

#include <vector>

#include "GeometryTestSupport.h"

namespace {

// A disc flattened at a step: the vertex count and the first vertices; no polygon at count 0.
struct CirclePolygonCase {
    int r, step, counterClockwise, count;
    Vertices start;
};

TEST(CircleToPolygon, PlacesVerticesOnTheChordRadius) {
    const CirclePolygonCase cases[] = {
        // R = 1000 * (0.5 + 1 / (2 cos 45)) = 1207.1
        {1000, 90, 0, 4, {1207, 0, 0, -1207, -1207, 0, 0, 1207}},
        {1000, 90, 1, 4, {1207, 0, 0, 1207, -1207, 0, 0, -1207}},
        // 360 / 7 = 51 vertices; R = 1000.95
        {1000, 7, 0, 51, {1000, 0, 993, -123, 970, -244}},
        // One vertex: the chord radius of a full-turn chord is 0.
        {1000, 360, 0, 1, {0, 0}},
        // Two vertices: cos 90 is nearly 0 and the chord radius explodes.
        {1000, 180, 0, 0, {}},
        {0, 180, 0, 2, {0, 0, 0, 0}},
        {1000, 0, 0, 0, {}},
        {1000, 361, 0, 0, {}},
        // R = 2414213562, beyond the 32-bit range.
        {2000000000, 90, 0, 0, {}},
    };
    for (const CirclePolygonCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "r " << c.r << " step " << c.step);
        const Owned polygon(CVbCircleShape(0, 0, c.r, 0, c.counterClockwise).ToPolygon(c.step));
        ASSERT_EQ(polygon != nullptr, c.count != 0);
        if (polygon != nullptr) {
            const Vertices words = VertexWords(*polygon);
            ASSERT_EQ(words.size(), 2u * c.count);
            EXPECT_EQ(Vertices(words.begin(), words.begin() + c.start.size()), c.start);
        }
    }
}

TEST(CircleToPolygon, PathGivesAClosedPolylineWithItsWidthAndFlags) {
    // The last vertex's x is 10 + cos(270 degrees) * R, a hair below 10, truncated to 9.
    const CVbCirclePath ring(6, 10, 20, 1000, 1, 1);
    const Owned polygon(ring.ToPolygon(90));
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(Words(*polygon),
              (Vertices{5 | kClosed | kUser | kCcw, 6, 1217, 20, 10, 1227, -1197, 20, 9, -1187}));
}

TEST(FixedExtents, CoverTheOutlineAndHalfThePathWidth) {
    const struct {
        Owned geom;
        std::array<int, 4> box;
    } cases[] = {
        {Owned(new CVbCirclePath(25, 0, 0, 100, 0, 0)), {-112, -112, 112, 112}},
        {Owned(new CVbCircleShape(10, -20, 5, 0, 0)), {5, -25, 15, -15}},
        {Owned(new CVbCircleShape(2147483000, 0, 1000, 0, 0)), {2147482000, -1000, kMax, 1000}},
        {Owned(new CVbRectPath(5, 0, 0, 10, 10, 0, 0)), {-2, -2, 12, 12}},
        {Owned(new CVbRectShape(10, 20, 0, 5, 0, 0)), {10, 20, 0, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Extents(*c.geom), c.box) << testing::PrintToString(Words(*c.geom));
    }
}

TEST(FixedValidate, AcceptsAnyCircleButOrdersOrRejectsARectangle) {
    CVbCircleShape disc(0, 0, -5, 0, 0);
    CVbCirclePath ring(-3, 0, 0, -5, 0, 0);
    CVbRectShape reversed(10, 20, 0, 5, 0, 0), flat(0, 0, 0, 10, 0, 0);
    CVbRectPath path(-4, 5, 5, 5, 9, 0, 0);
    EXPECT_EQ(disc.Validate(), 1);
    EXPECT_EQ(ring.Validate(), 1);
    EXPECT_EQ(reversed.Validate(), 1);
    EXPECT_EQ(flat.Validate(), 0);
    EXPECT_EQ(path.Validate(), 0);
    // A negative width is cleared; the corners come out ordered.
    EXPECT_EQ(Words(ring), (Vertices{1, 0, 0, 0, -5}));
    EXPECT_EQ(Words(reversed), (Vertices{4, 0, 5, 10, 20}));
    EXPECT_EQ(Words(flat), (Vertices{4, 0, 0, 0, 10}));
    EXPECT_EQ(path.GetWidth(), 0);
}

TEST(RectRotate, YieldsARotatedPolylineAndLeavesTheRectangle) {
    CVbRectPath path(4, 0, 0, 10, 5, 1, 1);
    EXPECT_EQ(path.Rotate(0, 0, 0), nullptr);
    const Owned turned(path.Rotate(900000, 0, 0));
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(Words(*turned), (Vertices{5 | kClosed, 4, 0, 0, 0, 10, -5, 10, -5, 0}));
    EXPECT_EQ(Words(path), (Vertices{3 | kUser | kCcw, 4, 0, 0, 10, 5}));

    CVbRectShape shape(0, 0, 10, 4, 1, 0);
    const Owned tilted(shape.Rotate(300000, 0, 0));
    ASSERT_NE(tilted, nullptr);
    EXPECT_EQ(Words(*tilted), (Vertices{6 | kUser, 0, 0, 9, 5, 7, 8, -2, 3}));
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "GeometryTestSupport.h"

namespace {

CVbPolyarcPath Path(const Vertices& vertices, int closed = 0) {
    return CVbPolyarcPath(2, vertices.data(), static_cast<int>(vertices.size()), closed, 0, 0, 0);
}

CVbPolyarcShape Shape(const Vertices& vertices) {
    return CVbPolyarcShape(vertices.data(), static_cast<int>(vertices.size()), 0, 0);
}

// A contour before and after Validate; an empty after means unchanged.
struct ValidateCase {
    Vertices vertices;
    int closedBefore, result;
    Vertices after;
    bool closedAfter;
};

TEST(PolyarcPathValidate, NormalisesTheContour) {
    const ValidateCase cases[] = {
        {{}, 0, 0, {}, false},
        {{1, 1, 0}, 1, 0, {}, true},
        {{0, 0, 0, 9, 0, 0}, 1, 1, {}, false},
        {{9, 0, 0, 0, 0, 9}, 0, 1, {}, true},  // a point and its centre: a full circle
        {{4, 4, 0, 4, 4, 0}, 0, 1, {}, false},
        {{9, 0, 0, 0, 0, 9, 9, 0, 0}, 1, 1, {}, false},
        {{1, 1, 0, 1, 1, 0, 5, 5, 0}, 1, 1, {1, 1, 0, 5, 5, 0}, false},
        {{1, 1, 0, 1, 1, 7, 5, 5, 0, 9, 9, 0}, 0, 1, {1, 1, 0, 5, 5, 0, 9, 9, 0}, false},
        {{0, 0, 0, 5, 0, 5, 6, 0, 6, 10, 0, 0}, 0, 0, {}, false},  // two differing centres
        {{0, 0, 0, 5, 0, 5, 5, 0, 5, 10, 0, 0}, 0, 1, {0, 0, 0, 5, 0, 5, 10, 0, 0}, false},
        {{9, 0, 0, 0, 9, 0, 0, 0, -9}, 0, 1, {}, true},  // the last centre closes
        {{3, 3, 0, 3, 3, 0, 3, 3, 0}, 0, 0, {3, 3, 0}, false},
    };
    for (const ValidateCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.vertices));
        CVbPolyarcPath path = Path(c.vertices, c.closedBefore);
        EXPECT_EQ(path.Validate(), c.result);
        EXPECT_EQ(VertexWords(path), c.after.empty() ? c.vertices : c.after);
        EXPECT_EQ((path.GetRecord()[0] & kClosed) != 0, c.closedAfter);
    }
}

TEST(PolyarcShapeValidate, KeepsAnAreaWithoutAClosingRepeat) {
    const ValidateCase cases[] = {
        {{9, 0, 0, 0, 0, 9}, 0, 1, {}, false},
        {{9, 0, 0, 0, 0, 0}, 0, 0, {}, false},
        {{0, 0, 0, 9, 0, 0, 9, 9, 0, 0, 0, 0}, 0, 1, {0, 0, 0, 9, 0, 0, 9, 9, 0}, false},
        {{9, 0, 0, 0, 0, 9, 9, 0, 0}, 0, 1, {9, 0, 0, 0, 0, 9}, false},
        {{9, 0, 0, 0, 0, 9, 1, 0, 9}, 0, 0, {}, false},
        {{0, 0, 0, 9, 0, 0, 9, 0, 0, 0, 0, 0}, 0, 0, {0, 0, 0, 9, 0, 0}, false},
    };
    for (const ValidateCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.vertices));
        CVbPolyarcShape shape = Shape(c.vertices);
        EXPECT_EQ(shape.Validate(), c.result);
        EXPECT_EQ(VertexWords(shape), c.after.empty() ? c.vertices : c.after);
    }
}

TEST(PolyarcPathToShape, NeedsAClosedPathWithoutBreaks) {
    const Vertices arc = {1000, 0, 0, 0, 0, -1000, 0, 1000, 0};
    EXPECT_EQ(Owned(Path(arc).ToShape()), nullptr);
    const Owned closed(Path(arc, 1).ToShape());
    ASSERT_NE(closed, nullptr);
    EXPECT_EQ(Words(*closed), (Vertices{8, 1000, 0, 0, 0, 0, -1000, 0, 1000, 0}));

    // Ends equal in x, y and r: the repeat is dropped even while the path is open.
    const Owned repeated(Path({5, 5, 0, 0, 0, 7, 5, 5, 0}).ToShape());
    ASSERT_NE(repeated, nullptr);
    EXPECT_EQ(VertexWords(*repeated), (Vertices{5, 5, 0, 0, 0, 7}));

    CVbPolyarcPath broken = Path(arc, 1);
    broken.SetBreaks(1);
    EXPECT_EQ(Owned(broken.ToShape()), nullptr);
}

TEST(PolyarcExtents, BoundArcsNotTheirCentres) {
    // A point grown by half of width 10.
    EXPECT_EQ(Extents(CVbPolyarcPath(10, Vertices{7, -3, 0}.data(), 3, 0, 0, 0, 0)),
              (std::array<int, 4>{2, -8, 12, 2}));
    // Counter-clockwise quarter: the centre (0, 0) is a corner only by coincidence.
    EXPECT_EQ(Extents(Path({1000, 0, 0, 0, 0, -1000, 0, 1000, 0})),
              (std::array<int, 4>{-1, -1, 1001, 1001}));
    // Clockwise from (1000, 0) to (0, 1000): three quarters of the circle.
    EXPECT_EQ(Extents(Shape({1000, 0, 0, 0, 0, 1000, 0, 1000, 0})),
              (std::array<int, 4>{-1000, -1000, 1000, 1000}));
    // A short arc about a far centre: the centre stays outside the box.
    EXPECT_EQ(Extents(Shape({600, 800, 0, 0, 0, -1000, 0, 1000, 0})),
              (std::array<int, 4>{0, 800, 600, 1000}));
    // The full circle of a point followed by its centre; the last centre runs to the first.
    EXPECT_EQ(Extents(Shape({10, 0, 0, 0, 0, 10})), (std::array<int, 4>{-10, -10, 10, 10}));
}

struct FlattenCase {
    const char* name;
    Vertices vertices;
    int step;
    Vertices points;  // empty: no polygon
};

TEST(PolyarcToPolygon, ReplacesArcsByChordsOnTheChordRadius) {
    const FlattenCase cases[] = {
        // n = 2, delta = 45 degrees, R = 1041.196: the single chord point (736, 736).
        {"ccw quarter", {1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, 40, {1000, 0, 736, 736, 0, 1000}},
        {"no arc", {1, 2, 0, 3, 4, 0, 5, 6, 0}, 40, {1, 2, 3, 4, 5, 6}},
        {"single vertex", {0, 0, 7}, 40, {0, 0}},
        {"two points", {1, 2, 0, 3, 4, 0}, 40, {1, 2, 3, 4}},
        {"step of zero", {1, 2, 0, 3, 4, 0}, 0, {}},
        {"no vertex", {}, 40, {}},
        // A step larger than the sweep gives n = 0: no chord point.
        {"coarse step", {1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, 100, {1000, 0, 0, 1000}},
        // The break marker starts no arc.
        {"break marker", {kMin, kMin, 0, 0, 0, -1000, 0, 1000, 0}, 40, {kMin, kMin, 0, 1000}},
        // A centre in first place starts no arc.
        {"centre first", {0, 0, -1000, 1000, 0, 0, 0, 1000, 0}, 40, {1000, 0, 0, 1000}},
        // n = 2 over a full turn: the chord radius explodes past the 32-bit range.
        {"exploding radius", {1000, 0, 0, 0, 0, -1000}, 179, {}},
    };
    for (const FlattenCase& c : cases) {
        const Owned polygon(Path(c.vertices).ToPolygon(c.step));
        if (c.points.empty()) {
            EXPECT_EQ(polygon, nullptr) << c.name;
        } else {
            ASSERT_NE(polygon, nullptr) << c.name;
            EXPECT_EQ(VertexWords(*polygon), c.points) << c.name;
        }
    }
}

TEST(PolyarcToPolygon, FlattensAFullCircleInEitherDirection) {
    // Step 40: n = 9 chords, so 8 chord points after the start; R = 1032.089.
    const std::pair<Vertices, Vertices> cases[] = {
        {{1000, 0, 0, 0, 0, 1000}, {1000, 0, 790, -663}},
        {{1000, 0, 0, 0, 0, -1000}, {1000, 0, 790, 663}},
    };
    for (const auto& [circle, start] : cases) {
        const Owned polygon(Shape(circle).ToPolygon(40));
        ASSERT_NE(polygon, nullptr);
        const Vertices points = VertexWords(*polygon);
        ASSERT_EQ(points.size(), 18u);
        EXPECT_EQ(Vertices(points.begin(), points.begin() + 4), start);
    }
}

}  // namespace

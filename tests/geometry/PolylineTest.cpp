#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "GeometryTestSupport.h"

namespace {

CVbPolylinePath ClosedPath(const Vertices& vertices) {
    return CVbPolylinePath(3, vertices.data(), static_cast<int>(vertices.size()), 1, 0, 0, 0);
}

struct ValidateCase {
    Vertices vertices;
    int result;
    Vertices after;
    bool closedAfter;
};

TEST(PolylinePathValidate, DropsRepeatsOpensWhatDoesNotCloseAndClearsANegativeWidth) {
    const ValidateCase cases[] = {
        {{}, 0, {}, true},
        {{4, 4}, 0, {4, 4}, true},
        {{0, 0, 10, 0}, 1, {0, 0, 10, 0}, false},
        {{0, 0, 0, 0}, 0, {0, 0}, true},
        {{0, 0, 10, 0, 10, 10, 0, 0}, 1, {0, 0, 10, 0, 10, 10, 0, 0}, false},
        {{0, 0, 5, 5, 5, 5, 9, 0}, 1, {0, 0, 5, 5, 9, 0}, true},
        {{0, 0, 0, 0, 7, 0, 7, 0}, 1, {0, 0, 7, 0}, false},
        {{1, 1, 2, 2, 1, 1, 1, 1}, 1, {1, 1, 2, 2, 1, 1}, false},
    };
    for (const ValidateCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.vertices));
        CVbPolylinePath path = ClosedPath(c.vertices);
        EXPECT_EQ(path.Validate(), c.result);
        EXPECT_EQ(VertexWords(path), c.after);
        EXPECT_EQ((path.GetRecord()[0] & kClosed) != 0, c.closedAfter);
    }
    const int vertices[] = {0, 0, 10, 0};
    CVbPolylinePath negative(-8, vertices, 4, 0, 0, 0, 0);
    EXPECT_EQ(negative.Validate(), 1);
    EXPECT_EQ(negative.GetWidth(), 0);
}

TEST(PolylineShapeValidate, KeepsThreeDistinctVerticesWithoutAClosingRepeat) {
    const ValidateCase cases[] = {
        {{0, 0, 10, 0, 10, 10, 0, 0}, 1, {0, 0, 10, 0, 10, 10}, false},
        {{0, 0, 10, 0, 10, 0, 0, 0}, 0, {0, 0, 10, 0}, false},
        {{0, 0, 10, 0, 10, 10}, 1, {0, 0, 10, 0, 10, 10}, false},
        {{0, 0, 10, 0}, 0, {0, 0, 10, 0}, false},
        {{3, 3, 3, 3, 3, 3}, 0, {3, 3}, false},
    };
    for (const ValidateCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.vertices));
        CVbPolylineShape shape(c.vertices.data(), static_cast<int>(c.vertices.size()), 0, 0);
        EXPECT_EQ(shape.Validate(), c.result);
        EXPECT_EQ(VertexWords(shape), c.after);
    }
}

TEST(PolylinePathToShape, NeedsAClosedPathWithoutBreaks) {
    CVbPolylinePath triangle = ClosedPath({0, 0, 10, 0, 10, 10, 0, 0});
    ASSERT_EQ(triangle.Validate(), 1);
    const Owned fromRepeat(triangle.ToShape());
    ASSERT_NE(fromRepeat, nullptr);
    EXPECT_EQ(VertexWords(*fromRepeat), (Vertices{0, 0, 10, 0, 10, 10}));

    CVbPolylinePath open = ClosedPath({0, 0, 10, 0, 10, 10});
    const Owned fromClosed(open.ToShape());
    ASSERT_NE(fromClosed, nullptr);
    EXPECT_EQ(VertexWords(*fromClosed), (Vertices{0, 0, 10, 0, 10, 10}));
    open.SetClosed(0);
    EXPECT_EQ(Owned(open.ToShape()), nullptr);
    open.SetClosed(1);
    open.SetBreaks(1);
    EXPECT_EQ(Owned(open.ToShape()), nullptr);
}

TEST(PolylineShapeToPath, GivesAClosedPathWithTheShapesFlags) {
    const int vertices[] = {0, 0, 10, 0, 10, 10};
    const CVbPolylineShape shape(vertices, 6, 1, 1);
    const Owned path(shape.ToPath(9));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(Words(*path), (Vertices{5 | kClosed | kUser | kCcw, 9, 0, 0, 10, 0, 10, 10}));
}

TEST(PolylinePathBreaks, LeaveBreakMarkersWhereTheyAre) {
    const int vertices[] = {1, 1, kMin, 5, 3, -2};
    CVbPolylinePath path(4, vertices, 6, 0, 0, 0, 1);
    path.Translate(10, 10);
    path.Transform(1, 900000, 0, 0, 2.0);
    path.MirrorX();
    // (1, 1): moved (11, 11), scaled (22, 22), mirrored (22, -22), turned (22, 22), then x
    // negated; (3, -2) likewise: (13, 8), (26, 16), (26, -16), (16, 26), (-16, 26).
    EXPECT_EQ(VertexWords(path), (Vertices{-22, 22, kMin, 5, -16, 26}));
    // Width 8 after scaling grows the box by 4.
    EXPECT_EQ(Extents(path), (std::array<int, 4>{-26, 18, -12, 30}));
}

TEST(PolylineExtents, StartEmptyAndSaturateWhenGrown) {
    const CVbPolylinePath empty(0, nullptr, 0, 0, 0, 0, 0);
    EXPECT_EQ(Extents(empty), (std::array<int, 4>{kMax, kMax, kMin, kMin}));
    const int edge[] = {kMax, 0, 0, kMin + 1};
    EXPECT_EQ(Extents(CVbPolylinePath(10, edge, 4, 0, 0, 0, 0)),
              (std::array<int, 4>{-5, kMin, kMax, 5}));
    EXPECT_EQ(Extents(CVbPolylineShape(edge, 4, 0, 0)), (std::array<int, 4>{0, kMin + 1, kMax, 0}));
}

TEST(PolylineVertices, AreCopiedOutAndReplacedWithTheHeaderKept) {
    const int vertices[] = {1, 2, 3, 4};
    CVbPolylinePath path(6, vertices, 4, 1, 0, 0, 0);
    const std::unique_ptr<int[]> copy(path.GetVertices());
    EXPECT_EQ(Vertices(copy.get(), copy.get() + 4), (Vertices{1, 2, 3, 4}));

    const int more[] = {5, 6, 7, 8, 9, 10};
    path.SetVertices(more, 6);
    EXPECT_EQ(Words(path), (Vertices{5 | kClosed, 6, 5, 6, 7, 8, 9, 10}));

    // Words taken from the record itself survive its reallocation.
    path.SetVertices(path.GetRecord() + 4, 4);
    EXPECT_EQ(Words(path), (Vertices{5 | kClosed, 6, 7, 8, 9, 10}));

    path.Set(2, vertices, 2, 0, 1, 0, 1);
    EXPECT_EQ(Words(path), (Vertices{5 | kUser | kBreaks, 2, 1, 2}));
}

}  // namespace

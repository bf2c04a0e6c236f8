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

TEST(PolylineExtents, StartEmptyAndSaturateWhenGrown) {
    const CVbPolylinePath empty(0, nullptr, 0, 0, 0, 0, 0);
    EXPECT_EQ(Extents(empty), (std::array<int, 4>{kMax, kMax, kMin, kMin}));
    const int edge[] = {kMax, 0, 0, kMin + 1};
    EXPECT_EQ(Extents(CVbPolylinePath(10, edge, 4, 0, 0, 0, 0)),
              (std::array<int, 4>{-5, kMin, kMax, 5}));
    EXPECT_EQ(Extents(CVbPolylineShape(edge, 4, 0, 0)), (std::array<int, 4>{0, kMin + 1, kMax, 0}));
}

}  // namespace

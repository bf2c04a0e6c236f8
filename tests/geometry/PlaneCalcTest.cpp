#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "geometry/ArcList.h"
#include "geometry/PlaneCalc.h"

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

struct RotationCase {
    double degrees;
    int cx, cy, x, y;
    int expectedX, expectedY;
};

TEST(PlaneCalcRotate, TurnsCounterClockwiseAndRoundsToNearest) {
    const RotationCase cases[] = {
        {90.0, 0, 0, 10, 0, 0, 10},       // a quarter turn takes +x to +y
        {-90.0, 0, 0, 10, 3, 3, -10},     // a negative angle turns clockwise
        {30.0, 0, 0, 1000, 0, 866, 500},  // 866.03 rounds down, 500.0 stays
        {45.0, 5, 5, 15, 5, 12, 12},      // about a centre other than the origin: 12.07
        {180.0, 0, 0, -7, 2, 7, -2},
        // Far ends: 889516851.56 rounds up; 3037000498.56 saturates.
        {45.0, -2147483647, 0, 2147483647, 0, 889516852, kMax},
    };
    for (const RotationCase& c : cases) {
        int x = c.x;
        int y = c.y;
        pcRotateVertex(c.degrees * kDegree, c.cx, c.cy, &x, &y);
        EXPECT_EQ(x, c.expectedX) << c.degrees << " degrees";
        EXPECT_EQ(y, c.expectedY) << c.degrees << " degrees";
    }
}

TEST(PlaneCalcAngle, GivesTheDirectionOfTheLine) {
    EXPECT_DOUBLE_EQ(pcAngleOfLine(0, 0, 10, 0), 0.0);
    EXPECT_DOUBLE_EQ(pcAngleOfLine(5, 5, 5, 9), 90.0 * kDegree);
    EXPECT_DOUBLE_EQ(pcAngleOfLine(0, 0, -3, 0), 180.0 * kDegree);
    EXPECT_DOUBLE_EQ(pcAngleOfLine(0, 0, -4, -4), -135.0 * kDegree);
    EXPECT_DOUBLE_EQ(pcAngleOfLine(7, -7, 7, -7), 0.0);
    // Differences that overflow 32 bits still give the right direction.
    EXPECT_DOUBLE_EQ(pcAngleOfLine(kMin, kMin, kMax, kMax), 45.0 * kDegree);
}

struct ArcRangeCase {
    const char* name;
    int xs, ys, xe, ye, xc, yc, radius, clockwise;
    std::array<int, 4> box;
};

TEST(PlaneCalcArcRange, SpansTheArcIncludingEveryAxisCrossing) {
    const ArcRangeCase cases[] = {
        {"ccw quarter", 1000, 0, 0, 1000, 0, 0, 1000, 0, {0, 0, 1000, 1000}},
        {"cw three quarters", 1000, 0, 0, 1000, 0, 0, -1000, 1, {-1000, -1000, 1000, 1000}},
        {"cw quarter", 0, 1000, 1000, 0, 0, 0, -1000, 1, {0, 0, 1000, 1000}},
        {"ccw upper half", 1000, 0, -1000, 0, 0, 0, 1000, 0, {-1000, 0, 1000, 1000}},
        {"cw lower half", 1000, 0, -1000, 0, 0, 0, -1000, 1, {-1000, -1000, 1000, 0}},
        {"ccw across +x", 0, -1000, 0, 1000, 0, 0, 1000, 0, {0, -1000, 1000, 1000}},
        {"full circle ccw", 1000, 0, 1000, 0, 0, 0, 1000, 0, {-1000, -1000, 1000, 1000}},
        {"full circle cw", 1000, 0, 1000, 0, 0, 0, -1000, 1, {-1000, -1000, 1000, 1000}},
        {"off the origin", 800, -200, 500, 100, 500, -200, 300, 0, {500, -200, 800, 100}},
        // The start lies 999.85 from the centre; the arc of radius 1000 reaches x = 707.1.
        {"start inside the radius", 707, 707, 0, 1000, 0, 0, 1000, 0, {0, 707, 708, 1000}},
        // The circle reaches x = 2147484000, beyond the 32-bit range.
        {"clamped", kMax, 0, kMax, 0, 2147483000, 0, 1000, 0, {2147482000, -1000, kMax, 1000}},
    };
    for (const ArcRangeCase& c : cases) {
        std::array<int, 4> box{};
        pcCircularArcRange(c.xs, c.ys, c.xe, c.ye, c.xc, c.yc, c.radius, c.clockwise, &box[0],
                           &box[1], &box[2], &box[3]);
        EXPECT_EQ(box, c.box) << c.name;
    }
}

TEST(ArcListTest, GivesVerticesBackInTheOrderTheyWereAppended) {
    const std::array<int, 3> vertices[] = {{1, 2, 0}, {3, 4, -5}, {6, 7, 8}};
    alnode* head = nullptr;
    alnode* tail = nullptr;
    for (const auto& [x, y, r] : vertices) {
        alAppendVertex(&head, &tail, nullptr, x, y, r);
    }
    EXPECT_EQ(alGetNumberVertices(head), 3);
    EXPECT_EQ(tail->x, 6);
    EXPECT_EQ(tail->y, 7);
    for (const auto& vertex : vertices) {
        std::array<int, 3> popped{};
        alPopVertex(&head, nullptr, &popped[0], &popped[1], &popped[2]);
        EXPECT_EQ(popped, vertex);
    }
    EXPECT_EQ(head, nullptr);
    EXPECT_EQ(alGetNumberVertices(head), 0);
    // Popping an empty list leaves the outputs alone.
    std::array<int, 3> untouched = {9, 9, 9};
    alPopVertex(&head, nullptr, &untouched[0], &untouched[1], &untouched[2]);
    EXPECT_EQ(untouched, (std::array<int, 3>{9, 9, 9}));
}

}  // namespace

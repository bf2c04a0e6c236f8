#include <gtest/gtest.h>

#include "ToolDefinition.h"

namespace {

TEST(ToolDefinition, RouteWidthFollowsTheHoleTypeAndAngle) {
    struct Case {
        ToolDefinition tool;
        int routeWidth;
    };
    // Round: the diameter; square: the side; slot and rectangle: the width at multiples of 180
    // degrees, the height at other multiples of 90, else 0.
    const Case cases[] = {
        {{1, 0, 889000, 0, 0, 0.0}, 889000},
        {{4, 1, 0, 1270000, 0, 0.0}, 1270000},
        {{3, 2, 0, 2540000, 1270000, 90.0}, 1270000},
        {{3, 2, 0, 2540000, 1270000, 0.0}, 2540000},
        {{3, 2, 0, 2540000, 1270000, 180.0}, 2540000},
        {{3, 3, 0, 2540000, 1270000, 270.5}, 1270000},
        {{3, 2, 0, 2540000, 1270000, 45.0}, 0},
        {{5, 7, 100, 200, 300, 0.0}, 0},
    };
    for (const Case& entry : cases) {
        EXPECT_EQ(entry.tool.RouteWidth(), entry.routeWidth) << entry.tool.angle;
    }
}

TEST(ToolDefinition, SpansCoverTheRotatedHole) {
    const ToolDefinition round{1, 0, 1000, 0, 0, 0.0};
    EXPECT_DOUBLE_EQ(round.HalfSpanX(), 500.0);
    EXPECT_DOUBLE_EQ(round.HalfSpanY(), 500.0);

    const ToolDefinition square{2, 1, 0, 800, 0, 0.0};
    EXPECT_DOUBLE_EQ(square.SizeY(), 800.0);
    EXPECT_DOUBLE_EQ(square.HalfSpanY(), 400.0);

    const ToolDefinition slot{3, 2, 0, 2000, 1000, 90.0};
    EXPECT_NEAR(slot.HalfSpanX(), 500.0, 1e-9);
    EXPECT_NEAR(slot.HalfSpanY(), 1000.0, 1e-9);

    // At 45 degrees each half span is (2000 + 1000) / (2 * sqrt 2).
    const ToolDefinition turned{3, 3, 0, 2000, 1000, 45.0};
    EXPECT_NEAR(turned.HalfSpanX(), 1060.660172, 1e-6);
    EXPECT_NEAR(turned.HalfSpanY(), 1060.660172, 1e-6);
}

TEST(ToolDefinition, NamesTheHoleTypes) {
    const char* const names[] = {"Round", "Square", "Slot", "Rectangle", "Unknown"};
    for (int code = 0; code < 5; ++code) {
        const ToolDefinition tool{1, code, 0, 0, 0, 0.0};
        EXPECT_STREQ(tool.HoleTypeName(), names[code]);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "capi/ReadResult.h"
#include "perforex/VbPolyarcPath.h"

namespace {

// Reads never set a contour's header flags, so each one is handed to the result directly.
TEST(ReadResult, EachHeaderFlagOfAContourBecomesItsFlag) {
    const int words[] = {0, 0, 0, 1000, 0, 0};
    struct Case {
        int closed, userFlag, counterClockwise, breaks;
        std::int32_t flags;
    };
    const Case cases[] = {
        {1, 0, 0, 0, PFX_CONTOUR_CLOSED},
        {0, 0, 1, 0, PFX_CONTOUR_COUNTER_CLOCKWISE},
        {0, 0, 0, 1, PFX_CONTOUR_BREAKS},
        {0, 1, 0, 0, 0},
    };
    CReadResult result;
    for (const Case& flags : cases) {
        result.AddContour(CVbPolyarcPath(500, words, 6, flags.closed, flags.userFlag,
                                         flags.counterClockwise, flags.breaks),
                          3);
    }
    result.Seal();
    ASSERT_EQ(result.Contours().size(), 4u);
    for (std::size_t index = 0; index < 4; ++index) {
        EXPECT_EQ(result.Contours()[index].flags, cases[index].flags) << index;
        EXPECT_EQ(result.Contours()[index].vertices[3], 1000) << index;
    }
}

// A program of 10 bytes holds at most two holes of its own; a repeat gives far more, and the
// array grows past what was reserved without losing or moving any hole; a failed call drops them.
TEST(ReadResult, HolesBeyondTheRoomReservedKeepTheirOrder) {
    CReadResult result;
    result.ReserveHoles(10);
    constexpr int kHoles = 1000;
    for (int hole = 0; hole < kHoles; ++hole) {
        result.AddHit(hole, -hole, hole % 7);
    }
    ASSERT_EQ(result.HoleCount(), static_cast<std::size_t>(kHoles));
    for (int hole = 0; hole < kHoles; ++hole) {
        const std::int32_t* words = result.Holes() + 3 * hole;
        ASSERT_EQ(words[0], hole);
        ASSERT_EQ(words[1], -hole);
        ASSERT_EQ(words[2], hole % 7);
    }
    result.Fail(PFX_ERROR_UNREADABLE, "stopped");
    EXPECT_EQ(result.HoleCount(), 0u);
}

}  // namespace

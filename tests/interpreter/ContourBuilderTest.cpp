#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "interpreter/ContourBuilder.h"

namespace {

TEST(ContourBuilder, ReusesItsStorageWithoutOldWords) {
    RecordingHost host;
    ContourBuilder contour(host);
    contour.SetTool(3);
    contour.AppendVertex(0, 0, 0);
    contour.AppendVertex(100, 0, 0);
    contour.AppendVertex(100, 100, 0);
    contour.Flush(4);
    contour.AppendVertex(9, 9, 0);
    ASSERT_TRUE(contour.HasVertex());
    EXPECT_EQ(contour.LastX(), 9);
    EXPECT_EQ(contour.LastY(), 9);
    contour.AppendVertex(1, 1, 0);
    contour.Flush(4);
    EXPECT_EQ(host.transcript,
              "contour 3: 7 4 0 0 0 100 0 0 100 100 0\n"
              "contour 3: 7 4 9 9 0 1 1 0\n");
}

TEST(ContourBuilder, DeliversOnlyValidatedPaths) {
    RecordingHost host;
    ContourBuilder contour(host);
    // Two different centre vertices in a row make no usable path.
    contour.AppendVertex(0, 0, 0);
    contour.AppendVertex(50, 0, 50);
    contour.AppendVertex(60, 0, 60);
    contour.AppendVertex(100, 0, 0);
    contour.Flush(0);
    EXPECT_EQ(host.transcript, "");
    // A last centre vertex closes the path (a full circle); a negative width becomes 0.
    contour.AppendVertex(0, 0, 0);
    contour.AppendVertex(50, 0, -50);
    contour.Flush(-5);
    // Header word 263: a polyarc path (7) with the Closed bit (256).
    EXPECT_EQ(host.transcript, "contour -1: 263 0 0 0 0 50 0 -50\n");
}

}  // namespace

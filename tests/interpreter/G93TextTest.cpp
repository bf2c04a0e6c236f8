#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "interpreter/G93Text.h"

namespace {

struct G93Case {
    const char* text;
    bool inRange;
    int x;
    int y;
};

// Shows the text of the case, escaped, in test listings.
void PrintTo(const G93Case& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::string(c.text));
}

class G93TextCases : public ::testing::TestWithParam<G93Case> {};

TEST_P(G93TextCases, ReadsLikeTheScanPattern) {
    const G93Case& c = GetParam();
    int x = -7;
    int y = -7;
    EXPECT_EQ(G93Text::ReadPoint(c.text, x, y), c.inRange) << c.text;
    EXPECT_EQ(x, c.x) << c.text;
    EXPECT_EQ(y, c.y) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, G93TextCases,
    ::testing::Values(G93Case{"X0Y0\n", true, 0, 0}, G93Case{"X1Y2\n", true, 1, 2},
                      G93Case{"X -12Y+34 ", true, -12, 34}, G93Case{"X\t5Y\n6\n", true, 5, 6},
                      G93Case{"X5 Y6\n", true, 5, 0}, G93Case{"X5\n", true, 5, 0},
                      G93Case{"Y5X6\n", true, 0, 0}, G93Case{"X-Y5\n", true, 0, 0},
                      G93Case{"", true, 0, 0},
                      G93Case{"X2147483647Y-2147483648\n", true, 2147483647, -2147483647 - 1},
                      G93Case{"X2147483648Y1\n", false, 0, 1},
                      G93Case{"X1Y-99999999999999999999\n", false, 1, 0}));

}  // namespace

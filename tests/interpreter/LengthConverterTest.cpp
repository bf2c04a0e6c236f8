#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "interpreter/LengthConverter.h"

namespace {

TEST(LengthConverter, AcceptsExactlyTheThirtyTwoBitRange) {
    int result = 0;
    ASSERT_TRUE(LengthConverter::Truncate(2147483647.9, result));
    EXPECT_EQ(result, 2147483647);
    ASSERT_TRUE(LengthConverter::Truncate(-2147483648.9, result));
    EXPECT_EQ(result, -2147483647 - 1);
    EXPECT_FALSE(LengthConverter::Truncate(2147483648.0, result));
    EXPECT_FALSE(LengthConverter::Truncate(-2147483649.0, result));
    EXPECT_FALSE(LengthConverter::Truncate(std::numeric_limits<double>::infinity(), result));
    EXPECT_FALSE(LengthConverter::Truncate(std::nan(""), result));
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "interpreter/LengthConverter.h"

namespace {

TEST(LengthConverter, TruncatesTowardZeroWithinThirtyTwoBits) {
    const LengthConverter inches(25400000.0);
    int result = 0;
    ASSERT_TRUE(inches.ToNanometres(-1.5, result));
    EXPECT_EQ(result, -38100000);
    // 84.5 inches is 2146300000 nm; 84.55 inches is beyond 2147483647.
    ASSERT_TRUE(inches.ToNanometres(84.5, result));
    EXPECT_EQ(result, 2146300000);
    EXPECT_FALSE(inches.ToNanometres(84.55, result));
    EXPECT_FALSE(inches.ToNanometres(-84.55, result));
    EXPECT_EQ(result, 2146300000);
}

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

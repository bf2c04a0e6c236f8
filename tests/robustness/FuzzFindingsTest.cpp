// One test per fault the fuzz targets found, named after what went wrong, with the input that
// showed it cut down to its core.
#include <gtest/gtest.h>

#include <string>

#include "ProgramReading.h"

namespace {

std::string Hit(long long x, long long y) {
    return "hit " + std::to_string(x) + " " + std::to_string(y) + " 0\n";
}

// A repeat count of billions whose holes step beyond the range wrote one message per hole and
// did not end in any reasonable time (found as R9999999999 after a hole); with counts now
// bounded, the largest count shows the same.
TEST(FuzzFindings, RepeatBlockSteppingBeyondTheRangeEndsAtOnceWithOneMessage) {
    const ProgramReading reading = ReadProgram("T00\nX10000Y0\nR65535X10000\n");
    std::string holes = Hit(25400000, 0);
    // Steps of 1 inch from 1 inch: 2 to 84 inches fit, 85 inches (2159000000 nm) does not.
    for (long long inch = 2; inch <= 84; ++inch) {
        holes += Hit(inch * 25400000, 0);
    }
    EXPECT_EQ(reading.transcript, holes);
    EXPECT_EQ(reading.messages, "Error: Value out of range at line number 3\n" + Totals(1, 0));
    EXPECT_EQ(reading.result, 0);
}

TEST(FuzzFindings, RepeatBlockComingBackIntoTheRangeDeliversTheHolesThatFit) {
    // From 99.9999 inch (itself beyond the range) in steps of -10 inches: the holes from 79.9999
    // down to -80.0001 inch fit, those at 89.9999 and -90.0001 inch do not.
    const ProgramReading reading = ReadProgram("T00\nX999999Y0\nR20X-100000\n");
    const long long fitting[] = {2031997460,  1777997460, 1523997460,  1269997460,  1015997459,
                                 761997459,   507997459,  253997459,   -2540,       -254002540,
                                 -508002540,  -762002540, -1016002540, -1270002540, -1524002540,
                                 -1778002540, -2032002540};
    std::string holes;
    for (const long long x : fitting) {
        holes += Hit(x, 0);
    }
    EXPECT_EQ(reading.transcript, holes);
    EXPECT_EQ(reading.messages,
              "Error: Value out of range at line number 2\n"
              "Error: Value out of range at line number 3\n" +
                  Totals(2, 0));
    EXPECT_EQ(reading.result, 0);
}

}  // namespace

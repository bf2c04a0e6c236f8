#include <gtest/gtest.h>

#include "machineformat/DrillMachineFormat.h"

namespace {

TEST(DrillMachineFormatRecord, StartsWithTheDefaults) {
    const CDrillMachineFormat format;
    EXPECT_EQ(format.dataType, 1);
    EXPECT_EQ(format.dataMode, 1);
    EXPECT_EQ(format.stepMode, 1);
    EXPECT_EQ(format.zeroTruncation, 1);
    EXPECT_EQ(format.characterSet, 1);
    EXPECT_EQ(format.arcStyle, 2);
    EXPECT_EQ(format.delimiter, "#");
    EXPECT_EQ(format.commentStr, "; ");
    EXPECT_EQ(format.recordLength, 0);
    EXPECT_EQ(format.sequenceNumbering, 0);
    EXPECT_EQ(format.unit, 1);
    EXPECT_EQ(format.integerDigits, 3);
    EXPECT_EQ(format.decimalDigits, 3);
    EXPECT_EQ(format.comments, 1);
    EXPECT_EQ(format.unitLength, 25400000.0);
}

TEST(DrillMachineFormatRecord, CopiesStringsByValue) {
    CDrillMachineFormat source;
    source.integerDigits = 2;
    CDrillMachineFormat copy(source);
    CDrillMachineFormat assigned;
    assigned = source;
    copy.delimiter = "/";
    assigned.commentStr = "!";
    EXPECT_EQ(source.delimiter, "#");
    EXPECT_EQ(source.commentStr, "; ");
    EXPECT_EQ(copy.integerDigits, 2);
    EXPECT_EQ(assigned.integerDigits, 2);
}

}  // namespace

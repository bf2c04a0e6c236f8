#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "messages/MessageTable.h"

namespace {

struct MessageCase {
    int id;
    const char* text;
};

// The texts no read in the other suites writes (they compare the others) and the last ones,
// typed out anew.
const MessageCase kMessageCases[] = {
    {1, "Error JNParser initialization error <%d>\n"},
    {2, "Error reading DrillPreference File \\\"%s\\\"\n"},
    {5, "Error: Can't open the file %s"},
    {10,
     "Error: Wrong parameter passed (other than X,Y,I,J) and hence exiting at line number %d\n"},
    {12, "\nError, There were %d machine format errors detected\\"},
    {20, "Error: ArcMode not found to be one of G00/G01/G02/G03 at line no %d"},
    {21, "Wrong NCToken Type found in PerforexReader\n"},
    {27, "Error: Value out of range at line number %d\n"},
    {28, "Warning: Program text skipped after a %% from line number %d to line number %d\n"},
    {29, "Warning: Header block from line number %d has no %% before the end of the input\n"},
    {30, "Warning: G04 comment from line number %d runs to the end of the input\n"},
    {31,
     "Warning: Byte 0xFF at line number %d ends the program; the rest of the file is not read\n"},
};

TEST(MessageTable, HoldsEveryTextByteForByteAndNothingOutside) {
    for (const MessageCase& c : kMessageCases) {
        ASSERT_NE(MessageText(c.id), nullptr) << "id " << c.id;
        EXPECT_EQ(std::string(MessageText(c.id)), c.text) << "id " << c.id;
    }
    EXPECT_EQ(kLastMessageId, 31);
    EXPECT_EQ(MessageText(0), nullptr);
    EXPECT_EQ(MessageText(kLastMessageId + 1), nullptr);
}

TEST(WriteMessage, WritesLongArgumentsWhole) {
    MessageCapture capture;
    const std::string digits(5000, '7');
    WriteMessage(capture.Stream(), 24, digits.c_str(), 6, 3);
    EXPECT_EQ(capture.Text(), "Warning: Length of co-ordinate data " + digits +
                                  " is found to be greater than M+N length 6 at line number 3 "
                                  "Which may cause loss of data");
}

}  // namespace

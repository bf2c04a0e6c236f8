#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "reader/MessageTable.h"

namespace {

struct MessageCase {
    int id;
    const char* text;
};

// The texts as a person reads them in the documentation, typed out again independently.
const MessageCase kMessageCases[] = {
    {1, "Error JNParser initialization error <%d>\n"},
    {2, "Error reading DrillPreference File \\\"%s\\\"\n"},
    {3, "\nError, There were %d machine format errors detected\n"},
    {4, "  in file \\\"%s\\\"\n"},
    {5, "Error: Can't open the file %s"},
    {6, "Error: G-Codes are not followed by two digits\n"},
    {7, "Error: Unknown token G%s found at the line %d\n"},
    {8, "Error: Unknown keyword M%s found at line number %d\n"},
    {9, "Error: Unknown character %c found at line number %d\n"},
    {10,
     "Error: Wrong parameter passed (other than X,Y,I,J) and hence exiting at line number %d\n"},
    {11, "Error reading Drill Machine Format File \\\"%s\\\"\n"},
    {12, "\nError, There were %d machine format errors detected\\"},
    {13, "Error: Unknown hole type '%s' in M48/M71/M72 block\n"},
    {14,
     "Warning: Change of step mode wanted from input gerb file at line number %d and doing the "
     "change\n"},
    {15, "Warning: M16/M17 token missing to close contour in Perforex file '%s' before line %d\n"},
    {16, "Warning: M15 token missing to start contour in Perforex file '%s' before line %d\n"},
    {17, "Unknown Token found in drill file at line no %d:\n"},
    {18, "Warning: Aperture number of %d found at line number %d. Allowed range is [10-999]\n"},
    {19, "Warning: Tool definition not found for tool number %d at line number %d\n"},
    {20, "Error: ArcMode not found to be one of G00/G01/G02/G03 at line no %d"},
    {21, "Wrong NCToken Type found in PerforexReader\n"},
    {22, "\n The Total number of Errors: %d Warnings:%d in parsing\n\n  "},
    {23,
     "Warning: data should not end with a zero in trailing zero case at line number %d, which "
     "may result in loss of data"},
    {24,
     "Warning: Length of co-ordinate data %s is found to be greater than M+N length %d at line "
     "number %d Which may cause loss of data"},
    {25, "Error: Number expected after %c at line number %d\n"},
    {26, "Error: Arc without a start point at line number %d\n"},
    {27, "Error: Value out of range at line number %d\n"},
};

TEST(MessageTable, HoldsEveryTextByteForByte) {
    for (const MessageCase& c : kMessageCases) {
        ASSERT_NE(MessageText(c.id), nullptr) << "id " << c.id;
        EXPECT_EQ(std::string(MessageText(c.id)), c.text) << "id " << c.id;
    }
    EXPECT_EQ(sizeof(kMessageCases) / sizeof(kMessageCases[0]),
              static_cast<std::size_t>(kLastMessageId));
}

TEST(MessageTable, IdsOutsideTheTableHaveNoText) {
    EXPECT_EQ(MessageText(0), nullptr);
    EXPECT_EQ(MessageText(kLastMessageId + 1), nullptr);
    EXPECT_EQ(MessageText(-1), nullptr);
}

TEST(WriteMessage, FormatsArgumentsOnce) {
    MessageCapture capture;
    WriteMessage(capture.Stream(), 7, "99", 12);
    WriteMessage(capture.Stream(), 22, 3, 4);
    WriteMessage(capture.Stream(), 21);
    EXPECT_EQ(capture.Text(),
              "Error: Unknown token G99 found at the line 12\n"
              "\n The Total number of Errors: 3 Warnings:4 in parsing\n\n  "
              "Wrong NCToken Type found in PerforexReader\n");
}

TEST(WriteMessage, PrintsPercentSignsBroughtInByArguments) {
    MessageCapture capture;
    WriteMessage(capture.Stream(), 15, "board%d%s%n.drl", 7);
    EXPECT_EQ(capture.Text(),
              "Warning: M16/M17 token missing to close contour in Perforex file "
              "'board%d%s%n.drl' before line 7\n");
}

TEST(WriteMessage, WritesLongArgumentsWhole) {
    MessageCapture capture;
    const std::string digits(5000, '7');
    WriteMessage(capture.Stream(), 24, digits.c_str(), 6, 3);
    EXPECT_EQ(capture.Text(), "Warning: Length of co-ordinate data " + digits +
                                  " is found to be greater than M+N length 6 at line number 3 "
                                  "Which may cause loss of data");
}

TEST(WriteMessage, IgnoresNullStreamAndUnknownId) {
    WriteMessage(nullptr, 7, "99", 1);
    MessageCapture capture;
    WriteMessage(capture.Stream(), 99, 1);
    EXPECT_EQ(capture.Text(), "");
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "messages/MessageOutput.h"
#include "messages/MessageTable.h"

namespace {

struct MessageCase {
    int id;
    const char* text;
};

// The texts no read in the other suites writes; they compare the others byte for byte.
const MessageCase kMessageCases[] = {
    {1, "Error JNParser initialization error <%d>\n"},
    {2, "Error reading DrillPreference File \\\"%s\\\"\n"},
    {5, "Error: Can't open the file %s"},
    {10,
     "Error: Wrong parameter passed (other than X,Y,I,J) and hence exiting at line number %d\n"},
    {12, "\nError, There were %d machine format errors detected\\"},
    {20, "Error: ArcMode not found to be one of G00/G01/G02/G03 at line no %d"},
    {21, "Wrong NCToken Type found in PerforexReader\n"},
};

TEST(MessageTable, HoldsEveryTextByteForByteAndNothingOutside) {
    for (const MessageCase& c : kMessageCases) {
        ASSERT_NE(MessageText(c.id), nullptr) << "id " << c.id;
        EXPECT_EQ(std::string(MessageText(c.id)), c.text) << "id " << c.id;
    }
    EXPECT_EQ(kLastMessageId, 39);
    EXPECT_EQ(MessageText(0), nullptr);
    EXPECT_EQ(MessageText(kLastMessageId + 1), nullptr);
}

// Keeps every message it is handed as "id line kind |text|".
class ListenerLog : public MessageListener {
  public:
    void OnMessage(int id, int line, MessageKind kind, std::string_view text) override {
        log += std::to_string(id) + " " + std::to_string(line) + " " +
               std::to_string(static_cast<int>(kind)) + " |" + std::string(text) + "|";
    }
    std::string log;
};

// The stream and the listener receive the same bytes: a "%" of an argument converts nothing, a
// long argument is written whole, and an id beyond the table writes nothing.
TEST(MessageOutput, HandsTheListenerWhatTheStreamReceives) {
    MessageCapture capture;
    ListenerLog listener;
    const MessageOutput messages(capture.Stream(), &listener);
    const std::string digits(5000, '7');
    messages.Write(kUnknownMCode, MessageKind::Error, 7, "5%d", 7);
    messages.Write(kLastMessageId + 1, MessageKind::Error, 1);
    messages.WriteLine(kNumberTooLong, MessageKind::Neither, 3, digits.c_str(), 6, 3);
    const std::string unknown = "Error: Unknown keyword M5%d found at line number 7\n";
    const std::string tooLong = "Warning: Length of co-ordinate data " + digits +
                                " is found to be greater than M+N length 6 at line number 3 "
                                "Which may cause loss of data\n";
    EXPECT_EQ(capture.Text(), unknown + tooLong);
    EXPECT_EQ(listener.log, "8 7 1 |" + unknown + "|24 3 0 |" + tooLong + "|");
}

}  // namespace

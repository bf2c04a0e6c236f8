#include "MessageRelay.h"

#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"

namespace {

// Relays messages taken in two pieces cut at place; returns what is shown, then the counts of
// errors, warnings and messages.
std::string RelayCutAt(const std::string& messages, std::size_t place) {
    MessageCapture capture;
    MessageRelay relay(capture.Stream());
    relay.Take(std::string_view(messages).substr(0, place));
    relay.Take(std::string_view(messages).substr(place));
    relay.Finish();
    return capture.Text() + std::to_string(relay.Errors()) + "," +
           std::to_string(relay.Warnings()) + "," + std::to_string(relay.Messages());
}

TEST(MessageRelayTest, ShowsAndCountsTheSameWhereverTheTextIsCut) {
    // Two messages that end without a line feed, an escaped byte, a line cut in the middle, the
    // totals and an unended last line.
    const std::string messages =
        "Warning: data should not end with a zero in trailing zero case at line number 3, which "
        "may result in loss of dataError: ArcMode not found to be one of G00/G01/G02/G03 at line "
        "no 4Error: Value out of range at line number 5\nError: Unknown character \x1b found at "
        "line number 6\nWarning: Length of co-ordinate data " +
        std::string(300, '7') +
        " is found to be greater than M+N length 6 at line number 7 Which may cause loss of "
        "data\n\n The Total number of Errors: 3 Warnings:0 in parsing\n\n  ";
    const std::string whole = RelayCutAt(messages, 0);
    EXPECT_EQ(whole.substr(whole.size() - 8), "  \n3,2,5");
    for (std::size_t place = 1; place < messages.size(); ++place) {
        ASSERT_EQ(RelayCutAt(messages, place), whole) << place;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "MessageRelay.h"

namespace {

TEST(MessageRelay, EscapesWhatATerminalWouldNotSurvive) {
    const std::pair<std::string, std::string> cases[] = {
        {"line\n\ttab", "line\n\ttab"},
        {"esc\x1b[2J bell\x07 del\x7f nul", "esc\\x1B[2J bell\\x07 del\\x7F nul"},
        {std::string("zero\0", 5), "zero\\x00"},
        {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"bad\xFF cut\xC3", "bad\\xFF cut\\xC3"},
        {"overlong\xC0\xAF", "overlong\\xC0\\xAF"},
    };
    for (const auto& [text, escaped] : cases) {
        EXPECT_EQ(MessageRelay::Escaped(text), escaped);
    }
}

TEST(MessageRelay, CountsTheMessagesShownAndEndsTheLastLine) {
    // A warning that ends without a line feed, a message split over two lines, the totals.
    const std::string messages =
        "Warning: x which may result in loss of dataWarning: Tool definition not found\n"
        "Error: Unknown keyword M%\n found at line number 3\n"
        "Unknown Token found in drill file at line no 4:\n"
        "\n The Total number of Errors: 1 Warnings:2 in parsing\n\n  ";
    MessageCapture capture;
    MessageRelay relay;
    relay.Relay(messages, capture.Stream());
    EXPECT_EQ(capture.Text(), messages + "\n");
    EXPECT_EQ(relay.Errors(), 1);
    EXPECT_EQ(relay.Warnings(), 2);
    EXPECT_EQ(relay.Messages(), 4);
}

}  // namespace

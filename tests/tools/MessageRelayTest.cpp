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
    // Messages that end without a line feed, a message split over two lines, the totals.
    const std::string messages =
        "Warning: data should not end with a zero in trailing zero case at line number 2, which "
        "may result in loss of dataWarning: Tool definition not found\n"
        "Warning: Length of co-ordinate data 1234567 is found to be greater than M+N length 6 at "
        "line number 3 Which may cause loss of data"
        "Error: ArcMode not found to be one of G00/G01/G02/G03 at line no 12"
        "Error: Unknown keyword M%\n found at line number 3\n"
        "Unknown Token found in drill file at line no 4:\n"
        "\n The Total number of Errors: 1 Warnings:2 in parsing\n\n  ";
    MessageCapture capture;
    MessageRelay relay;
    relay.Relay(messages, capture.Stream());
    EXPECT_EQ(capture.Text(), messages + "\n");
    EXPECT_EQ(relay.Errors(), 2);
    EXPECT_EQ(relay.Warnings(), 3);
    EXPECT_EQ(relay.Messages(), 6);
}

std::string Repeated(const std::string& text, int count) {
    std::string repeated;
    for (int index = 0; index < count; ++index) {
        repeated += text;
    }
    return repeated;
}

TEST(MessageRelay, ShowsTheEndsOfALongLine) {
    const std::string a100(100, 'a');
    const std::string z100(100, 'z');
    const std::pair<std::string, std::string> cases[] = {
        {a100 + z100 + "\n", a100 + z100 + "\n"},
        {a100 + "m" + z100, a100 + "...[1 byte left out]..." + z100 + "\n"},
        // A character is kept whole or left out whole, escaped or not.
        {a100.substr(1) + "\x01" + std::string(200, 'm') + "\xC3\xA9" + z100.substr(1),
         a100.substr(1) + "...[203 bytes left out]..." + z100.substr(1) + "\n"},
        // What counts is the length shown: 51 bytes shown as \x02 are 204.
        {"\x01" + std::string(48, 'm') + "\n" + std::string(51, '\x02'),
         "\\x01" + std::string(48, 'm') + "\n" + Repeated("\\x02", 25) + "...[1 byte left out]..." +
             Repeated("\\x02", 25) + "\n"},
    };
    for (const auto& [messages, shown] : cases) {
        MessageCapture capture;
        MessageRelay().Relay(messages, capture.Stream());
        EXPECT_EQ(capture.Text(), shown);
    }
}

}  // namespace

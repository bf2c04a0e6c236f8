#include "MessageRelay.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "MessageCapture.h"

namespace {

struct Relayed {
    std::string text;
    int errors, warnings, messages;
};

// Relays messages taken in pieces that end at each of the given places.
template <typename Places>
Relayed RelayInPieces(const std::string& messages, const Places& places) {
    MessageCapture capture;
    MessageRelay relay(capture.Stream());
    std::size_t start = 0;
    for (const std::size_t place : places) {
        relay.Take(std::string_view(messages).substr(start, place - start));
        start = place;
    }
    relay.Take(std::string_view(messages).substr(start));
    relay.Finish();
    return {capture.Text(), relay.Errors(), relay.Warnings(), relay.Messages()};
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
    const Relayed whole = RelayInPieces(messages, std::initializer_list<std::size_t>{});
    EXPECT_EQ((std::vector<int>{whole.errors, whole.warnings, whole.messages}),
              (std::vector<int>{3, 2, 5}));
    EXPECT_EQ(whole.text.substr(whole.text.size() - 3), "  \n");
    for (std::size_t place = 1; place < messages.size(); ++place) {
        const Relayed cut = RelayInPieces(messages, std::initializer_list<std::size_t>{place});
        ASSERT_EQ(cut.text, whole.text) << place;
        ASSERT_EQ((std::vector<int>{cut.errors, cut.warnings, cut.messages}),
                  (std::vector<int>{3, 2, 5}));
    }
    std::vector<std::size_t> everyByte(messages.size() - 1);
    for (std::size_t place = 1; place < messages.size(); ++place) {
        everyByte[place - 1] = place;
    }
    EXPECT_EQ(RelayInPieces(messages, everyByte).text, whole.text);
}

}  // namespace

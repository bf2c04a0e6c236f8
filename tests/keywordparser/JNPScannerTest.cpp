#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "keywordparser/JNPConversion.h"
#include "keywordparser/JNPScanner.h"

namespace {

using namespace std::string_literals;

// Scans text to its end (or at most limit tokens), rendering each token as "type:text" and
// the line count after the last one as "@line".
class ScannerRun {
  public:
    explicit ScannerRun(const std::string& input) : text(input), scanner(sink) {
        sink.SetStream(capture.Stream());
        scanner.AllocatePushBack();
        scanner.Attach(text.data(), text.data() + text.size());
    }

    std::string Tokens(int limit = 100) {
        std::string rendered;
        for (int count = 0; count < limit; ++count) {
            const int type = scanner.ScanToken("CTX", token);
            rendered += std::to_string(type) + ":" + token + " ";
            if (type == JNPScanner::kEnd && scanner.ScanToken("CTX", token) == JNPScanner::kEnd) {
                break;
            }
            if (type == JNPScanner::kEnd) {
                scanner.PushBack(token);
            }
        }
        return rendered + "@" + std::to_string(scanner.Line());
    }

    std::string text;
    MessageCapture capture;
    JNPMessageSink sink;
    JNPScanner scanner;
    char token[JNPScanner::kTokenSize];
};

TEST(JNPScanner, CutsTextIntoTypedTokens) {
    const struct {
        std::string text;
        std::string tokens;
    } cases[] = {
        {".DATAFORMAT (2 ,4)", "0:.DATAFORMAT 3:( 0:2 5:, 0:4 4:) 1: @1"},
        {"\"A\\\"B\" \"C\\\\\"D", "2:A\\\"B 2:C\\\\ 0:D 1: @1"},
        {"\"ab\\\n   \tcd\" X", "2:abcd 0:X 1: @2"},
        {"\"ab\\\n\n  cd\"", "2:abcd 1: @3"},
        {"\"x\ny\" Z", "2:x\ny 0:Z 1: @1"},
        {"A!\"comment\nB", "0:A 0:B 1: @2"},
        {"! only a comment", "1: @2"},
        {"A\xE9"s + "B", "0:A 0:B 1: @1"},
        {"\"A\xE9"s + "b\"", "2:A\xE9"s + "b 1: @1"},
        {"A\"B", "0:A\"B 1: @1"},
        {"AB\xFF"s + "CD", "0:AB 0:CD 1: @1"},
        {"\"ab\xFF"s + "cd\"", "2:ab 0:CD\" 1: @1"},
        {"!x\xFF"s + "A", "0:A 1: @2"},
        {"A\0B"s, "0:A 0:B 1: @1"},
    };
    for (const auto& c : cases) {
        ScannerRun run(c.text);
        EXPECT_EQ(run.Tokens(), c.tokens) << testing::PrintToString(c.text);
        EXPECT_EQ(run.capture.Text(), "");
    }
}

TEST(JNPScanner, CutsOverlongTokensAndScansTheRestAsFurtherTokens) {
    const std::string word(5000, 'w');
    const std::string string = "\n\"" + std::string(4100, 's') + "\"";
    ScannerRun run(word + string);
    const std::string report =
        "Error: Exceeded buffer size of 4096 reading jnp.\n   in keyword <CTX> above line # ";
    EXPECT_EQ(run.Tokens(), "0:" + std::string(4095, 'W') + " 0:" + std::string(905, 'W') +
                                " 2:" + std::string(4095, 's') + " 0:SSSSS\" 1: @2");
    EXPECT_EQ(run.capture.Text(), report + "0\n" + report + "1\n");
    EXPECT_EQ(run.sink.Errors(), 2);
}

TEST(JNPConversion, ReplacesEscapeSequences) {
    const struct {
        const char* raw;
        std::string text;
    } cases[] = {
        {"A\\\"B", "A\"B"},    {"\\'\\\\\\b\\f\\n\\r\\t\\v", "'\\\b\f\n\r\t\v"},
        {"a\\\n  \t b", "ab"}, {"\\101BC", "ABC"},
        {"\\1017", "\x0F"},    {"\\4018", std::string("\x01") + "8"},
        {"x\\q", "x"},         {"\\x41", "41"},
        {"\\N", ""},           {"a\\0b", "a"},
        {"\\ 7", "\x07 7"},    {"end\\", "end"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JNPConversion::Unescape(c.raw), c.text) << c.raw;
    }
}

// Every decimal digit belongs to a number, 9 as much as 0.
TEST(JNPConversion, TakesEveryDecimalDigitOfANumber) {
    const struct {
        const char* token;
        double value;
    } cases[] = {{"1234567890", 1234567890.0}, {"9.875", 9.875}, {"-90.25", -90.25}};
    for (const auto& c : cases) {
        const JNPConversion::Double converted = JNPConversion::ToDouble(c.token);
        EXPECT_TRUE(converted.whole) << c.token;
        EXPECT_EQ(converted.value, c.value) << c.token;
    }
}

}  // namespace

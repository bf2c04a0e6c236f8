#include <gtest/gtest.h>

#include <string>

#include "JsonWriter.h"
#include "MessageCapture.h"

namespace {

std::string Written(const std::string& text) {
    MessageCapture capture;
    JsonWriter::WriteString(capture.Stream(), text);
    return capture.Text();
}

TEST(JsonWriter, EscapesStringsIntoValidJson) {
    const std::pair<std::string, std::string> cases[] = {
        {"board.drl", "\"board.drl\""},
        {"say \"hi\"\\", "\"say \\\"hi\\\"\\\\\""},
        {"tab\there\nline\x01", "\"tab\\u0009here\\u000aline\\u0001\""},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x90",
         "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x90\""},
        {"bad\xFF", "\"bad\\ufffd\""},
        {"surrogate\xED\xA0\x80", "\"surrogate\\ufffd\\ufffd\\ufffd\""},
        {"", "\"\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(Written(text), json);
    }
}

}  // namespace

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
        {"cut\xC3", "\"cut\\ufffd\""},
        {"overlong\xC0\xAF", "\"overlong\\ufffd\\ufffd\""},
        {"surrogate\xED\xA0\x80", "\"surrogate\\ufffd\\ufffd\\ufffd\""},
        {"", "\"\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(Written(text), json);
    }
}

TEST(JsonWriter, ClosesEveryReadAndTheDocument) {
    MessageCapture capture;
    JsonWriter writer(capture.Stream(), "m.fmt");
    writer.BeginFile("a.drl");
    writer.EndFile({0, 2, 1, 3, {}});
    writer.NotRead("c.drl", "cannot read drill file: Is a directory");
    writer.BeginFile("b.drl");
    writer.Hit(1, -2, -1);
    writer.Tool({7, 2, 0, 100, 200, 90.5});
    writer.EndFile({1, 0, 0, 0, {"the file is \"odd\""}});
    writer.Finish();
    EXPECT_EQ(capture.Text(),
              "{\"machineFormat\": \"m.fmt\", \"reads\": [\n"
              "{\"file\": \"a.drl\", \"callbacks\": [], \"result\": 0, \"errors\": 2, "
              "\"warnings\": 1, \"messages\": 3, \"checks\": []},\n"
              "{\"file\": \"c.drl\", \"notRead\": \"cannot read drill file: Is a directory\"},\n"
              "{\"file\": \"b.drl\", \"callbacks\": [\n"
              "{\"callback\": \"AddHit\", \"x\": 1, \"y\": -2, \"tool\": -1},\n"
              "{\"callback\": \"AddTool\", \"tool\": 7, \"holeType\": 2, \"holeTypeName\": "
              "\"Slot\", \"diameter\": 0, \"width\": 100, \"height\": 200, \"angle\": 90.5, "
              "\"trailing\": [0, 0, 0, 0, 0]}\n"
              "], \"result\": 1, \"errors\": 0, \"warnings\": 0, \"messages\": 0, "
              "\"checks\": [\"the file is \\\"odd\\\"\"]}\n"
              "]}\n");
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "MessageCapture.h"
#include "TempFile.h"
#include "keywordparser/JNPParserInput.h"
#include "keywordparser/JNParser.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

using namespace std::string_literals;

const char kReadLines[] =
    "\nError: while trying to read parser input file (%s).\n"
    "(check for bad or corrupted file)\n\n";

std::string WithPath(const char* format, const std::string& path) {
    char text[512];
    std::snprintf(text, sizeof text, format, path.c_str());
    return text;
}

struct KeyedCase {
    std::string file;
    std::string text;  // the text kept; empty with a nonzero result
    int result;
};

// Payloads XORed by hand: with the key 01 02 03, 0x40 gives 'A', 'B', 'C', 'A'. The example of a
// keyed file in docs/machine-format.md, which its own test loads, has a key of two bytes.
const KeyedCase kKeyedCases[] = {
    {"\x05\x06\x13\x01"s, "\x05\x06\x13\x01"s, 0},
    {"\x05\x06\x12\x00\x00.X"s, "\x05\x06\x12\x00\x00.X"s, 0},
    {"\x05\x06\x13\x00\x00.UNIT MM"s, ".UNIT MM", 0},
    {"\x05\x06\x13\x00\x03\x01\x02\x03\x40\x40\x40\x40"s, "ABCA", 0},
    {"\x05\x06\x13\x01k"s, "", 0},
    {"\x05\x06\x13\x09"s + "ab", "", 3},
    {"\x05\x06\x13\x80"s + "abcdef", "", 3},
    {"\x05\x06\x13\x00\xFF"s + "abcdef", "", 3},
    {"\x05\x06\x13\x00\x05"s + "abcd", "", 3},
};

TEST(JNPParserInput, DecodesKeyedFilesAndRejectsKeysOutsideTheFile) {
    for (const KeyedCase& c : kKeyedCases) {
        TempFile file(c.file);
        MessageCapture capture;
        JNPMessageSink sink;
        sink.SetStream(capture.Stream());
        JNPParserInput input;
        SCOPED_TRACE(testing::PrintToString(c.file));
        ASSERT_EQ(input.LoadFile(file.Path().c_str(), sink), c.result);
        if (c.result == 0) {
            EXPECT_EQ(std::string(input.Begin(), input.End()), c.text);
            EXPECT_EQ(capture.Text(), "");
        } else {
            EXPECT_EQ(input.Begin(), nullptr);
            EXPECT_EQ(capture.Text(), WithPath(kReadLines, file.Path()));
        }
    }
}

TEST(JNPParserInput, ReportsFilesThatCannotBeOpenedOrReadOnStandardErrorWithoutAStream) {
    const std::pair<std::string, const char*> cases[] = {
        {"/nonexistent/perforex/none.fmt",
         "\nError: on opening parser input file (%s) for reading.\n"
         "(check for a file or directory permission problem)\n\n"},
        {".", kReadLines},
#ifdef __linux__
        {"/proc/self/stat",
         "\nError: while trying to read last byte in parser input file (%s).\n"
         "(check for bad or corrupted file)\n\n"},
#endif
    };
    for (const auto& [path, lines] : cases) {
        JNParser parser;
        testing::internal::CaptureStderr();
        EXPECT_EQ(parser.Initialise(path.c_str(), nullptr, kDrillMachineKeywords,
                                    kDrillMachineConstants, false),
                  3);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), WithPath(lines, path));
        EXPECT_EQ(parser.NextResult(), nullptr);
    }
}

}  // namespace

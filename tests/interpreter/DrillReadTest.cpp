#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"

namespace {

const char kFormatHeader[] = ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n";
const char kInch24[] = ".DataFormat 2,4\n";

// Tool 1 of 0.035 inch: 889000 nm, also its route width.
const char kToolOne[] = "tool 1 0 889000 0 0 0 0 0 0 0 0\n";

struct ReadOutcome {
    int result;
    std::string transcript;
    std::string messages;
    std::string drillPath;
};

// Reads program with a machine format of the given keyword lines through a recording host.
ReadOutcome ReadDrill(const std::string& formatLines, const std::string& program) {
    TempFile format(kFormatHeader + formatLines, ".fmt");
    TempFile drill(program, ".drl");
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(format.Path());
    const int result = host.Read(capture.Stream(), drill.Path());
    return {result, host.Transcript(), capture.Text(), drill.Path()};
}

std::string Totals(int errors, int warnings) {
    return "\n The Total number of Errors: " + std::to_string(errors) +
           " Warnings:" + std::to_string(warnings) + " in parsing\n\n  ";
}

// Encodes the characters of the traced program in EBCDIC (IBM code page 037).
std::string ToEbcdic(const std::string& text) {
    const std::string ascii = "\n%,.01234568ACGHILMNTXYZ";
    const std::string ebcdic =
        "\x25\x6C\x6B\x4B\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xC1\xC3\xC7\xC8\xC9\xD3\xD4\xD5\xE3\xE7"
        "\xE8\xE9";
    std::string bytes;
    for (const char c : text) {
        bytes += ebcdic.at(ascii.find(c));
    }
    return bytes;
}

std::string WithCarriageReturns(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\n') {
            result += '\r';
        }
        result += c;
    }
    return result;
}

// Holes, then a contour of a line and a clockwise half circle, as a typical file has them.
const char kTracedProgram[] =
    "M48\n"
    "INCH,LZ\n"
    "T01C0.035\n"
    "%\n"
    "T01\n"
    "X010000Y010000\n"
    "X020000Y010000\n"
    "G00X000000Y000000\n"
    "M15\n"
    "G01X010000Y000000\n"
    "G02X020000Y000000A005000\n"
    "M16\n"
    "M30\n";

const std::string kTracedTranscript =
    std::string(kToolOne) +
    "hit 25400000 25400000 1\n"
    "hit 50800000 25400000 1\n"
    "contour 1: 7 889000 0 0 0 25400000 0 0 38100000 0 12700000 50800000 0 0\n";

TEST(DrillRead, TracedProgram) {
    const ReadOutcome outcome = ReadDrill(kInch24, kTracedProgram);
    EXPECT_EQ(outcome.transcript, kTracedTranscript);
    EXPECT_EQ(outcome.messages, "");
    EXPECT_EQ(outcome.result, 1);
}

TEST(DrillRead, EbcdicProgramReadsLikeAscii) {
    const ReadOutcome outcome =
        ReadDrill(std::string(kInch24) + ".CharacterSet EBCDIC\n", ToEbcdic(kTracedProgram));
    EXPECT_EQ(outcome.transcript, kTracedTranscript);
    EXPECT_EQ(outcome.result, 1);
}

TEST(DrillRead, CarriageReturnLineFeedProgramReadsLikeLineFeeds) {
    const ReadOutcome outcome = ReadDrill(kInch24, WithCarriageReturns(kTracedProgram));
    EXPECT_EQ(outcome.transcript, kTracedTranscript);
    EXPECT_EQ(outcome.messages, "");
    EXPECT_EQ(outcome.result, 1);
}

struct FormatCase {
    const char* name;
    const char* formatLines;
    const char* program;
    const char* transcript;
};

// Names the case in test listings.
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

const char kHoleProgram[] = "M48\nT01C0.035\n%\nT01\nX12345Y5\nX-5Y123456\nM30\n";

const FormatCase kFormatCases[] = {
    {"LeadingZerosOmitted", ".DataFormat 2,4\n.ZeroTruncation LEADING\n", kHoleProgram,
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 31356300 12700 1\nhit -12700 313578240 1\n"},
    {"TrailingZerosOmitted", ".DataFormat 2,4\n.ZeroTruncation TRAILING\n", kHoleProgram,
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 313563000 1270000000 1\nhit -1270000000 313578240 "
     "1\n"},
    {"NoZerosOmitted", ".DataFormat 2,4\n.ZeroTruncation NONE\n", kHoleProgram,
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 31356300 12700 1\nhit -12700 313578240 1\n"},
    // The header's METRIC,TZ changes nothing: units and zeros come from the machine format.
    {"Millimetres", ".Unit MM\n.DataFormat 3,3\n",
     "M48\nMETRIC,TZ\nT01C0.7\n%\nT01\nX12345Y5\nM30\n",
     "tool 1 0 699999 0 0 0 0 0 0 0 0\nhit 12345000 5000 1\n"},
    {"RepeatedHoles", kInch24,
     "M48\nT01C0.035\n%\nT01\nX10000Y10000\nR03X01000\nR02Y01000\n"
     "R00X05000\nX20000Y10000\nM30\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 25400000 25400000 1\nhit 27940000 25400000 1\n"
     "hit 30480000 25400000 1\nhit 33020000 25400000 1\nhit 25400000 27940000 1\n"
     "hit 25400000 30480000 1\nhit 50800000 25400000 1\n"},
    // The line feed after a repeat count ends no block, nor does the tool selection after it:
    // the repeat block ends with the next number's line.
    {"RepeatCountLineThenToolSelection", kInch24,
     "M48\nT01C0.035\n%\nT01\nX10000Y10000\nR02\nT01\nX01000\nM30\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 25400000 25400000 1\nhit 27940000 25400000 1\n"
     "hit 30480000 25400000 1\n"},
    {"ArcsInBothDirectionsByRadiusAndByOffsets", kInch24,
     "M48\nT01C0.035\n%\nT01\nG00X000000Y000000\nM15\nG01X010000Y000000\n"
     "G03X020000Y010000I0J010000\nG02X030000Y020000A010000\nG03X030000Y040000A010000\n"
     "G02X020000Y050000I0J010000\nM16\nM30\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\ncontour 1: 7 889000 0 0 0 25400000 0 0 "
     "25400000 25400000 -25400000 50800000 25400000 0 76200000 25400000 25400000 "
     "76200000 50800000 0 76200000 76200000 -25400000 76200000 101600000 0 "
     "76200000 127000000 25400000 50800000 127000000 0\n"},
    // Only the last of two rapid moves starts the contour that the cut continues.
    {"RapidMoveAfterRapidMoveDropsTheLonePoint", kInch24,
     "G00X0Y0\nG00X10000Y0\nG01X20000Y0\nM30\n", "contour -1: 7 0 25400000 0 0 50800000 0 0\n"},
};

class DrillReadFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DrillReadFormats, DeliversExactIntegers) {
    const FormatCase& c = GetParam();
    const ReadOutcome outcome = ReadDrill(c.formatLines, c.program);
    EXPECT_EQ(outcome.transcript, c.transcript);
    EXPECT_EQ(outcome.messages, "");
    EXPECT_EQ(outcome.result, 1);
}

INSTANTIATE_TEST_SUITE_P(Programs, DrillReadFormats, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrillRead, IncrementalProgramSwitchedToAbsoluteWarns) {
    const ReadOutcome outcome =
        ReadDrill(std::string(kInch24) + ".StepMode INCREMENTAL\n",
                  "M48\nT01C0.035\n%\nT01\nX10000Y10000\nX10000\nX-5000Y-5000\nG90\n"
                  "X30000Y30000\nM30\n");
    EXPECT_EQ(outcome.transcript, std::string(kToolOne) +
                                      "hit 25400000 25400000 1\nhit 50800000 25400000 1\n"
                                      "hit 38100000 12700000 1\nhit 76200000 76200000 1\n");
    EXPECT_EQ(outcome.messages,
              "Warning: Change of step mode wanted from input gerb file at line number 8 and "
              "doing the change\n" +
                  Totals(0, 1));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, ToolSelectionsOutOfRangeOrUndefined) {
    const ReadOutcome outcome = ReadDrill(kInch24, "M48\nT01C0.035\n%\nT1200\nT05\nT00\nM30\n");
    EXPECT_EQ(outcome.transcript, kToolOne);
    EXPECT_EQ(outcome.messages,
              "Warning: Aperture number of 1200 found at line number 5. Allowed range is "
              "[10-999]\n"
              "Warning: Tool definition not found for tool number 1200 at line number 5\n"
              "Warning: Tool definition not found for tool number 5 at line number 6\n" +
                  Totals(2, 1));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, ToolTableIsBuiltOnlyAtTheHeaderCode) {
    const ReadOutcome outcome = ReadDrill(kInch24, ";T05C0.050\nT05\nM48\n%\nM30\n");
    EXPECT_EQ(outcome.transcript, "tool 5 0 1270000 0 0 0 0 0 0 0 0\n");
    EXPECT_EQ(
        outcome.messages,
        "Warning: Tool definition not found for tool number 5 at line number 3\n" + Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, CodeWithoutEffectIsAnErrorAndNothingAfterTheEndIsRead) {
    const ReadOutcome outcome = ReadDrill(kInch24, "G70\nM30\nG99\n");
    EXPECT_EQ(outcome.messages, "Unknown Token found in drill file at line no 1:\n" + Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, ContourMarkerMessagesAreNotCounted) {
    const ReadOutcome outcome = ReadDrill(kInch24, "G00X0Y0\nM15\nM15\nG01X10000Y0\nM30\n");
    EXPECT_EQ(outcome.transcript, "contour -1: 7 0 0 0 0 25400000 0 0\n");
    EXPECT_EQ(outcome.messages,
              "Warning: M16/M17 token missing to close contour in Perforex file '" +
                  outcome.drillPath + "' before line 3\n" +
                  "Warning: M16/M17 token missing to close contour in Perforex "
                  "file '" +
                  outcome.drillPath + "' before line 5\n");
    EXPECT_EQ(outcome.result, 1);
}

TEST(DrillRead, InvalidTokenEndsTheReadAndDeliversTheContour) {
    const ReadOutcome outcome = ReadDrill(kInch24, "G00X0Y0\nG01X10000Y0\nG99\nX20000Y0\nM30\n");
    EXPECT_EQ(outcome.transcript, "contour -1: 7 0 0 0 0 25400000 0 0\n");
    EXPECT_EQ(outcome.messages,
              "Error: Unknown token G99 found at the line 3\n"
              "Error: Unknown character G found at line number 3\n" +
                  Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, G93PointsStartAContourWithoutATool) {
    const ReadOutcome outcome = ReadDrill(
        kInch24, "M48\nT01C0.035\n%\nT01\nG93X1Y2\nG01X020000Y020000\nM16\nG93X100Y0\nM30\n");
    EXPECT_EQ(outcome.transcript,
              std::string(kToolOne) + "contour -1: 7 0 25400000 50800000 0 50800000 50800000 0\n");
    EXPECT_EQ(outcome.messages, "Warning: M15 token missing to start contour in Perforex file '" +
                                    outcome.drillPath + "' before line 7\n" +
                                    "Error: Value out of range at line number 9\n" + Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, HoleBeyond32BitsIsSkippedAndHolesWithoutToolUseMinusOne) {
    const ReadOutcome outcome = ReadDrill(kInch24, "G05\nX10000Y10000\nX990000Y0\nM30\n");
    EXPECT_EQ(outcome.transcript, "hit 25400000 25400000 -1\n");
    EXPECT_EQ(outcome.messages, "Error: Value out of range at line number 4\n" + Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, ArcWithoutStartPointIsSkipped) {
    const ReadOutcome outcome = ReadDrill(
        kInch24,
        "G00X0Y0\nG01X10000Y0\nM16\nG02X20000Y0A05000\nG01X30000Y0\nG03X40000Y0A05000\nM30\n");
    EXPECT_EQ(outcome.transcript,
              "contour -1: 7 0 0 0 0 25400000 0 0\n"
              "contour -1: 7 0 76200000 0 0 88900000 0 -12700000 101600000 0 0\n");
    EXPECT_EQ(outcome.messages, "Warning: M15 token missing to start contour in Perforex file '" +
                                    outcome.drillPath + "' before line 3\n" +
                                    "Error: Arc without a start point at line number 5\n" +
                                    Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, EmptyProgramIsACleanRead) {
    const ReadOutcome outcome = ReadDrill(kInch24, "");
    EXPECT_EQ(outcome.transcript, "");
    EXPECT_EQ(outcome.messages, "");
    EXPECT_EQ(outcome.result, 1);
}

TEST(DrillReadCopy, CallbacksGoToTheCopy) {
    TempFile format(std::string(kFormatHeader) + kInch24, ".fmt");
    TempFile drill("G05\nX10000Y10000\nM30\n", ".drl");
    MessageCapture capture;
    RecordingHost source;
    source.SetDrillMachineFormatFile(format.Path());
    RecordingHost copy(source);
    RecordingHost assigned;
    assigned = source;
    ASSERT_EQ(copy.Read(capture.Stream(), drill.Path()), 1);
    ASSERT_EQ(assigned.Read(capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(copy.Transcript(), "hit 25400000 25400000 -1\n");
    EXPECT_EQ(assigned.Transcript(), "hit 25400000 25400000 -1\n");
    EXPECT_TRUE(source.events.empty());
}

}  // namespace

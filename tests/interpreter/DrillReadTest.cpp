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

// Encodes upper-case letters, digits and the characters "\n %,.+;" in EBCDIC (IBM code page 037).
std::string ToEbcdic(const std::string& text) {
    const std::string ascii = "\n %,.+;";
    const std::string ebcdic = "\x25\x40\x6C\x6B\x4B\x4E\x5E";
    std::string bytes;
    for (const char c : text) {
        const int letter = c - 'A';
        if (c >= '0' && c <= '9') {
            bytes += static_cast<char>(0xF0 + (c - '0'));
        } else if (letter >= 0 && letter < 26) {
            // A to I, J to R and S to Z are three runs of codes with gaps between them.
            bytes += static_cast<char>(letter < 9    ? 0xC1 + letter
                                       : letter < 18 ? 0xD1 + letter - 9
                                                     : 0xE2 + letter - 18);
        } else {
            bytes += ebcdic.at(ascii.find(c));
        }
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

struct MessageCase {
    const char* name;
    const char* formatLines;
    const char* program;
    const char* transcript;
    // The messages, with <drill> standing for the drill file's path.
    std::string messages;
    int result;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

std::string WithPath(std::string text, const std::string& path) {
    const std::string mark = "<drill>";
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
        text.replace(at, mark.size(), path);
    }
    return text;
}

const std::string kOutOfRange = "Error: Value out of range at line number ";
const std::string kNotClosed =
    "Warning: M16/M17 token missing to close contour in Perforex file "
    "'<drill>' before line ";

const MessageCase kMessageCases[] = {
    {"PercentWithoutHeaderSkipsTheProgram", kInch24, "%\nT01\nX010000Y010000\nM30\n", "",
     "Warning: Program text skipped after a % from line number 2 to line number 4\n" + Totals(0, 1),
     0},
    {"PercentSkipsToTheEndOfTheInput", kInch24,
     "G05\nX010000Y010000\n%\nX020000Y020000\nX030000Y030000\n", "hit 25400000 25400000 -1\n",
     "Warning: Program text skipped after a % from line number 4 to line number 5\n" + Totals(0, 1),
     0},
    {"PercentBeforeTheHeaderSkipsNothing", kInch24,
     "%\nM48\nT01C0.035\n%\nT01\nX010000Y010000\nM30\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 25400000 25400000 1\n", "", 1},
    {"HeaderWithoutPercent", kInch24, ";HEADER\nM48\nT01C0.035\nINCH,LZ\n", kToolOne,
     "Warning: Header block from line number 2 has no % before the end of the input\n" +
         Totals(0, 1),
     0},
    {"G04CommentWithoutDelimiterInTheMiddle", kInch24,
     "M48\nT01C0.035\n%\nT01\nG04 DRILLED BY HAND\nX010000Y010000\nM30\n", kToolOne,
     "Warning: G04 comment from line number 5 runs to the end of the input\n" + Totals(0, 1), 0},
    {"G04CommentWithoutDelimiterOnTheLastLine", kInch24,
     "M48\nT01C0.035\n%\nT01\nX010000Y010000\nG04 END OF PROGRAM\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 25400000 25400000 1\n", "", 1},
    // Each message names the line of its token, whether the token ends its line or not.
    {"ScannerErrorLines", kInch24, "G99 G98\nM95 M96\nQ QQ\nT1 T1\nQX\n", "",
     "Error: Unknown token G99 found at the line 1\n"
     "Error: Unknown character G found at line number 1\n"
     "Error: Unknown token G98 found at the line 1\n"
     "Error: Unknown character G found at line number 1\n"
     "Error: Unknown keyword M95 found at line number 2\n"
     "Error: Unknown character M found at line number 2\n"
     "Error: Unknown keyword M96 found at line number 2\n"
     "Error: Unknown character M found at line number 2\n"
     "Error: Unknown character Q found at line number 3\n"
     "Error: Unknown character Q found at line number 3\n"
     "Error: Unknown character Q found at line number 3\n"
     "Error: Unknown character T found at line number 4\n"
     "Error: Unknown character T found at line number 4\n"
     "Error: Unknown character Q found at line number 5\n"
     "Error: Number expected after X at line number 5\n" +
         Totals(1, 0),
     0},
    // 10 is 10.0, 5 is 50.0 and 0000001 is 0.0001 inch.
    {"NumberMessageLines", ".DataFormat 2,4\n.ZeroTruncation TRAILING\n",
     "G05X10Y5\nX5Y10\nX0000001Y5\nX5Y0000001\nX+5Y5\nX5Y\nM30\n",
     "hit 254000000 1270000000 -1\nhit 1270000000 254000000 -1\nhit 2540 1270000000 -1\n"
     "hit 1270000000 2540 -1\nhit 1270000000 1270000000 -1\n",
     "Warning: data should not end with a zero in trailing zero case at line number 1, which may "
     "result in loss of data\n"
     "Warning: data should not end with a zero in trailing zero case at line number 2, which may "
     "result in loss of data\n"
     "Warning: Length of co-ordinate data 0000001 is found to be greater than M+N length 6 at "
     "line number 3 Which may cause loss of data\n"
     "Warning: Length of co-ordinate data 0000001 is found to be greater than M+N length 6 at "
     "line number 4 Which may cause loss of data\n"
     "Error: Number expected after X at line number 5\n"
     "Error: Number expected after Y at line number 6\n",
     1},
    // Blocks are processed at their last word; an R out of range is reported at its own line.
    {"InterpreterMessageLines", kInch24,
     "M48\nT01C0.035\n%\nT01\nG91\nG90T1200\nT1500X0010Y0010\nG70 G70\nM16 M16\n"
     "G02X0020Y0A0010 G03X0030Y0A0010\nG05X990000Y0 X990000Y0\nR70000\nX0010\nR70000X0010\n"
     "M15 M15\nM15X0010Y0010 M30\n",
     "tool 1 0 889000 0 0 0 0 0 0 0 0\nhit 25400 25400 1500\nhit 25400 25400 1500\n",
     "Warning: Change of step mode wanted from input gerb file at line number 5 and doing the "
     "change\n"
     "Warning: Change of step mode wanted from input gerb file at line number 6 and doing the "
     "change\n"
     "Warning: Aperture number of 1200 found at line number 6. Allowed range is [10-999]\n"
     "Warning: Tool definition not found for tool number 1200 at line number 6\n"
     "Warning: Aperture number of 1500 found at line number 7. Allowed range is [10-999]\n"
     "Warning: Tool definition not found for tool number 1500 at line number 7\n"
     "Unknown Token found in drill file at line no 8:\n"
     "Unknown Token found in drill file at line no 8:\n"
     "Warning: M15 token missing to start contour in Perforex file '<drill>' before line 9\n"
     "Warning: M15 token missing to start contour in Perforex file '<drill>' before line 9\n"
     "Error: Arc without a start point at line number 10\n"
     "Error: Arc without a start point at line number 10\n" +
         kOutOfRange + "11\n" + kOutOfRange + "11\n" + kOutOfRange + "12\n" + kOutOfRange + "14\n" +
         kNotClosed + "15\n" + kNotClosed + "16\n" + kNotClosed + "16\n" + Totals(10, 4),
     0},
};

class DrillReadMessages : public ::testing::TestWithParam<MessageCase> {};

// Read as written, with carriage returns before the line feeds and in EBCDIC alike.
TEST_P(DrillReadMessages, GiveTheirCallbacksMessagesAndResult) {
    const MessageCase& c = GetParam();
    const ReadOutcome outcomes[] = {
        ReadDrill(c.formatLines, c.program),
        ReadDrill(c.formatLines, WithCarriageReturns(c.program)),
        ReadDrill(std::string(c.formatLines) + ".CharacterSet EBCDIC\n", ToEbcdic(c.program))};
    for (const ReadOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.transcript, c.transcript);
        EXPECT_EQ(outcome.messages, WithPath(c.messages, outcome.drillPath));
        EXPECT_EQ(outcome.result, c.result);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, DrillReadMessages, ::testing::ValuesIn(kMessageCases),
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
              "Warning: Aperture number of 1200 found at line number 4. Allowed range is "
              "[10-999]\n"
              "Warning: Tool definition not found for tool number 1200 at line number 4\n"
              "Warning: Tool definition not found for tool number 5 at line number 5\n" +
                  Totals(2, 1));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, ToolTableIsBuiltOnlyAtTheHeaderCode) {
    const ReadOutcome outcome = ReadDrill(kInch24, ";T05C0.050\nT05\nM48\n%\nM30\n");
    EXPECT_EQ(outcome.transcript, "tool 5 0 1270000 0 0 0 0 0 0 0 0\n");
    EXPECT_EQ(
        outcome.messages,
        "Warning: Tool definition not found for tool number 5 at line number 2\n" + Totals(1, 0));
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
                                    "Error: Value out of range at line number 8\n" + Totals(1, 0));
    EXPECT_EQ(outcome.result, 0);
}

TEST(DrillRead, HoleBeyond32BitsIsSkippedAndHolesWithoutToolUseMinusOne) {
    const ReadOutcome outcome = ReadDrill(kInch24, "G05\nX10000Y10000\nX990000Y0\nM30\n");
    EXPECT_EQ(outcome.transcript, "hit 25400000 25400000 -1\n");
    EXPECT_EQ(outcome.messages, "Error: Value out of range at line number 3\n" + Totals(1, 0));
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
                                    "Error: Arc without a start point at line number 4\n" +
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

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "scanner/CharacterSource.h"

namespace {

const char kFormatHeader[] = ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n";
const char kInch24[] = ".DataFormat 2,4\n";

// Tool 1 of 0.035 inch: 889000 nm, also its route width.
#define TOOL_ONE "tool 1 0 889000 0 0 0 0 0 0 0 0\n"
#define TOTALS(errors, warnings) \
    "\n The Total number of Errors: " #errors " Warnings:" #warnings " in parsing\n\n  "

#define END_BYTE "Warning: Byte 0xFF at line number "
#define END_BYTE_REST " ends the program; the rest of the file is not read\n"
#define OUT_OF_RANGE "Error: Value out of range at line number "
#define NOT_STARTED \
    "Warning: M15 token missing to start contour in Perforex file '{path}' before line "
#define NOT_CLOSED \
    "Warning: M16/M17 token missing to close contour in Perforex file '{path}' before line "
#define STEP_CHANGE(line)                                                            \
    "Warning: Change of step mode wanted from input gerb file at line number " #line \
    " and doing the change\n"

struct ReadOutcome {
    int result;
    std::string transcript;
    std::string messages;
    // The messages as the host received them as data.
    std::string data;
};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Reads program with a machine format of the given keyword lines through a recording host;
// "{path}" in the messages stands for the drill file's path.
ReadOutcome ReadDrill(const std::string& formatLines, const std::string& program) {
    TempFile format(kFormatHeader + formatLines, ".fmt");
    TempFile drill(program, ".drl");
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(format.Path());
    const int result = host.Read(capture.Stream(), drill.Path());
    return {result, host.transcript, ReplaceAll(capture.Text(), drill.Path(), "{path}"),
            host.messages};
}

// Encodes upper-case letters, digits and the characters "\n %,.+;-" in EBCDIC (IBM code page 037):
// A to I, J to R and S to Z are three runs of codes with gaps between them.
std::string ToEbcdic(const std::string& text) {
    const std::string ascii = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n %,.+;-";
    const std::string ebcdic =
        "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9"
        "\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9"
        "\x25\x40\x6C\x6B\x4B\x4E\x5E\x60";
    std::string bytes;
    for (const char c : text) {
        bytes += ebcdic.at(ascii.find(c));
    }
    return bytes;
}

// Holes, then a contour of a line and a clockwise half circle, as a typical file has them.
const char kTracedProgram[] =
    "M48\nINCH,LZ\nT01C0.035\n%\nT01\nX010000Y010000\nX020000Y010000\nG00X000000Y000000\nM15\n"
    "G01X010000Y000000\nG02X020000Y000000A005000\nM16\nM30\n";

struct ReadCase {
    const char* name;
    const char* formatLines;
    const char* program;
    const char* transcript;
    const char* messages = "";
    int result = 1;
};

// clang-format off
const ReadCase kReadCases[] = {
    {"TracedProgram", kInch24, kTracedProgram,
     TOOL_ONE "hit 25400000 25400000 1\nhit 50800000 25400000 1\n"
              "contour 1: 7 889000 0 0 0 25400000 0 0 38100000 0 12700000 50800000 0 0\n"},
    // The header's METRIC,TZ changes nothing: units and zeros come from the machine format.
    {"Millimetres", ".Unit MM\n.DataFormat 3,3\n",
     "M48\nMETRIC,TZ\nT01C0.7\n%\nT01\nX12345Y5\nM30\n",
     "tool 1 0 699999 0 0 0 0 0 0 0 0\nhit 12345000 5000 1\n"},
    {"RepeatedHoles", kInch24,
     "M48\nT01C0.035\n%\nT01\nX10000Y10000\nR03X01000\nR02Y01000\nR00X05000\nX20000Y10000\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\nhit 27940000 25400000 1\nhit 30480000 25400000 1\n"
              "hit 33020000 25400000 1\nhit 25400000 27940000 1\nhit 25400000 30480000 1\n"
              "hit 50800000 25400000 1\n"},
    // The line feed after a repeat count ends no block, nor does the tool selection after it:
    // the repeat block ends with the next number's line.
    {"RepeatCountLineThenToolSelection", kInch24,
     "M48\nT01C0.035\n%\nT01\nX10000Y10000\nR02\nT01\nX01000\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\nhit 27940000 25400000 1\nhit 30480000 25400000 1\n"},
    // From 99.9999 inch (itself beyond the range) in steps of -10 inches: only the holes from
    // 79.9999 down to -80.0001 inch fit.
    {"RepeatedHolesComingBackIntoTheRange", kInch24, "T00\nX999999Y0\nR20X-100000\n",
     "hit 2031997460 0 0\nhit 1777997460 0 0\nhit 1523997460 0 0\nhit 1269997460 0 0\n"
     "hit 1015997459 0 0\nhit 761997459 0 0\nhit 507997459 0 0\nhit 253997459 0 0\n"
     "hit -2540 0 0\nhit -254002540 0 0\nhit -508002540 0 0\nhit -762002540 0 0\n"
     "hit -1016002540 0 0\nhit -1270002540 0 0\nhit -1524002540 0 0\nhit -1778002540 0 0\n"
     "hit -2032002540 0 0\n",
     OUT_OF_RANGE "2\n" OUT_OF_RANGE "3\n" TOTALS(2, 0), 0},
    // The other three pairs of direction and centre are in the slanted chords' case.
    {"CounterClockwiseArcByOffsets", kInch24,
     "M48\nT01C0.035\n%\nT01\nG00X000000Y000000\nM15\nG01X010000Y000000\n"
     "G03X020000Y010000I0J010000\nM16\nM30\n",
     TOOL_ONE "contour 1: 7 889000 0 0 0 25400000 0 0 25400000 25400000 -25400000 50800000 "
              "25400000 0\n"},
    // Offsets take their direction from the computed centre: I-1 points back along x. A radius
    // shorter than half the chord puts the centre on the chord and keeps its own radius.
    {"ArcOffsetAgainstTheDirectionAndShortRadius", kInch24,
     "G00X0Y0\nG02X10000Y10000I-10000J0\nG00X0Y0\nG02X10000Y0A2500\nM30\n",
     "contour -1: 7 0 0 0 0 -25400000 0 25400000 25400000 25400000 0\n"
     "contour -1: 7 0 0 0 0 6350000 0 6350000 25400000 0 0\n"},
    // Radius 2 mm over the chord from (1, 2) to (3, 0.5) mm, both ways and by offsets.
    {"SlantedChordArcs", ".Unit MM\n.DataFormat 3,5\n",
     "G00X100000Y200000\nG02X300000Y50000A200000\nG00X100000Y200000\nG03X300000Y50000A200000\n"
     "G00X100000Y200000\nG02X300000Y50000I6325J199900\nM30\n",
     "contour -1: 7 0 1000000 2000000 0 1063250 1001 2000000 3000000 500000 0\n"
     "contour -1: 7 0 1000000 2000000 0 2936749 2498999 -2000000 3000000 500000 0\n"
     "contour -1: 7 0 1000000 2000000 0 1063250 1000 2000000 3000000 500000 0\n"},
    // Incremental A adds to the last A; I and J stay offsets. Radius 1 over a chord of 1 puts
    // the centre 60 degrees below the chord: (2 + cos 60, -sin 60) inch.
    {"IncrementalArcs", kInch24,
     "G00X0Y0\nM15\nG91\nG01X10000\nG02X10000A5000\nG02X10000A5000\nG03X10000I5000J0\n"
     "G03X10000I5000\nM16\nM30\n",
     "contour -1: 7 0 0 0 0 25400000 0 0 38100000 0 12700000 50800000 0 0 63499999 -21997045 "
     "25400000 76200000 0 0 88900000 0 -12700000 101600000 0 0 114300000 0 -12700000 127000000 "
     "0 0\n",
     STEP_CHANGE(3) TOTALS(0, 1), 0},
    {"IncrementalProgramSwitchedToAbsolute", ".DataFormat 2,4\n.StepMode INCREMENTAL\n",
     "M48\nT01C0.035\n%\nT01\nX10000Y10000\nX10000\nX-5000Y-5000\nG90\nX30000Y30000\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\nhit 50800000 25400000 1\nhit 38100000 12700000 1\n"
              "hit 76200000 76200000 1\n",
     STEP_CHANGE(8) TOTALS(0, 1), 0},
    // Only the last of two rapid moves starts the contour that the cut continues.
    {"RapidMoveAfterRapidMoveDropsTheLonePoint", kInch24,
     "G00X0Y0\nG00X10000Y0\nG01X20000Y0\nM30\n", "contour -1: 7 0 25400000 0 0 50800000 0 0\n"},
    // Without M17 ending the first contour, M30 would find it open; the second contour, shorter
    // than the first, shows no word of it.
    {"M17EndsTheContour", kInch24,
     "G00X0Y0\nM15\nG01X10000Y0\nG01X10000Y10000\nM17\nG00X20000Y0\nG01X30000Y0\nM30\n",
     "contour -1: 7 0 0 0 0 25400000 0 0 25400000 25400000 0\n"
     "contour -1: 7 0 50800000 0 0 76200000 0 0\n"},
    {"M71BuildsTheToolTable", kInch24, ";T05C0.050\nM71\nT05\nM30\n",
     "tool 5 0 1270000 0 0 0 0 0 0 0 0\n"},
    {"M72BuildsTheToolTable", kInch24, ";T05C0.050\nM72\nT05\nM30\n",
     "tool 5 0 1270000 0 0 0 0 0 0 0 0\n"},
    {"ToolTableIsBuiltOnlyAtTheHeaderCode", kInch24, ";T05C0.050\nT05\nM48\n%\nM30\n",
     "tool 5 0 1270000 0 0 0 0 0 0 0 0\n",
     "Warning: Tool definition not found for tool number 5 at line number 2\n" TOTALS(1, 0), 0},
    {"ToolSelectionsOutOfRangeOrUndefined", kInch24, "M48\nT01C0.035\n%\nT1200\nT05\nT00\nM30\n",
     TOOL_ONE,
     "Warning: Aperture number of 1200 found at line number 4. Allowed range is [10-999]\n"
     "Warning: Tool definition not found for tool number 1200 at line number 4\n"
     "Warning: Tool definition not found for tool number 5 at line number 5\n" TOTALS(2, 1), 0},
    {"CodeWithoutEffectIsAnErrorAndNothingAfterTheEndIsRead", kInch24, "G70\nM30\nG99\n", "",
     "Unknown Token found in drill file at line no 1:\n" TOTALS(1, 0), 0},
    {"ContourMarkerMessagesAreNotCounted", kInch24, "G00X0Y0\nM15\nM15\nG01X10000Y0\nM30\n",
     "contour -1: 7 0 0 0 0 25400000 0 0\n",
     NOT_CLOSED "3\n" NOT_CLOSED "5\n"},
    {"InvalidTokenEndsTheReadAndDeliversTheContour", kInch24,
     "G00X0Y0\nG01X10000Y0\nG99\nX20000Y0\nM30\n", "contour -1: 7 0 0 0 0 25400000 0 0\n",
     "Error: Unknown token G99 found at the line 3\n"
     "Error: Unknown character G found at line number 3\n" TOTALS(1, 0), 0},
    // G93 values are raw integers times the unit: 100 inches is beyond the range.
    {"G93PointsStartAContourWithoutATool", kInch24,
     "M48\nT01C0.035\n%\nT01\nG93X-1Y+2\nG01X020000Y020000\nM16\nG93X100Y0\nM30\n",
     TOOL_ONE "contour -1: 7 0 -25400000 50800000 0 50800000 50800000 0\n",
     NOT_STARTED "7\n" OUT_OF_RANGE "8\n" TOTALS(1, 0), 0},
    {"HoleBeyond32BitsIsSkippedAndHolesWithoutToolUseMinusOne", kInch24,
     "G05\nX10000Y10000\nX990000Y0\nM30\n", "hit 25400000 25400000 -1\n",
     OUT_OF_RANGE "3\n" TOTALS(1, 0), 0},
    {"G93PointBeyond32Bits", kInch24, "M48\n%\nG93X99999999999Y0\nM30\n", "",
     OUT_OF_RANGE "3\n" TOTALS(1, 0), 0},
    {"ArcWithoutStartPointIsSkipped", kInch24,
     "G00X0Y0\nG01X10000Y0\nM16\nG02X20000Y0A05000\nG01X30000Y0\nG03X40000Y0A05000\nM30\n",
     "contour -1: 7 0 0 0 0 25400000 0 0\n"
     "contour -1: 7 0 76200000 0 0 88900000 0 -12700000 101600000 0 0\n",
     NOT_STARTED "3\n"
     "Error: Arc without a start point at line number 4\n" TOTALS(1, 0), 0},
    {"EmptyProgram", kInch24, "", ""},
    // G05 drills whatever motion code came before it, a G00 too.
    {"G05AfterARoutAndAG00Drills", kInch24,
     "M48\nT01C0.035\nT02C0.125\n%\nT02\nG00X000000Y000000\nM15\nG01X005000Y000000\nM16\n"
     "G00X010000Y000000\nG05\nX012500Y002500\nX015000Y002500\nM30\n",
     TOOL_ONE "tool 2 0 3175000 0 0 0 0 0 0 0 0\ncontour 2: 7 3175000 0 0 0 12700000 0 0\n"
              "hit 31750000 6350000 2\nhit 38100000 6350000 2\n"},
    // A byte 0xFF ends the input; the bytes after it are reported once the holes before it are
    // delivered, unless the program has ended before it.
    {"ByteFFWithBytesAfterIt", kInch24,
     "M48\nT01C0.035\n%\nT01\nX010000Y010000\n\xFF\nX020000Y020000\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\n", END_BYTE "6" END_BYTE_REST TOTALS(0, 1), 0},
    {"ByteFFAfterM30", kInch24, "M48\nT01C0.035\n%\nT01\nX010000Y010000\nM30\n\xFFX020000\n",
     TOOL_ONE "hit 25400000 25400000 1\n"},
    {"ByteFFAfterAnErrorThatEndsTheRead", kInch24, "G99\n\xFFX010000\n", "",
     "Error: Unknown token G99 found at the line 1\n"
     "Error: Unknown character G found at line number 1\n" TOTALS(1, 0), 0},
};

class DrillReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DrillReads, DeliverTheirCallbacksMessagesAndResult) {
    const ReadCase& c = GetParam();
    const ReadOutcome outcome = ReadDrill(c.formatLines, c.program);
    EXPECT_EQ(outcome.transcript, c.transcript);
    EXPECT_EQ(outcome.messages, c.messages);
    EXPECT_EQ(outcome.result, c.result);
}

INSTANTIATE_TEST_SUITE_P(Programs, DrillReads, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Messages name the line their token or character begins on, also where the token ends its line.
const ReadCase kMessageCases[] = {
    {"PercentWithoutHeaderSkipsTheProgram", kInch24, "%\nT01\nX010000Y010000\nM30\n", "",
     "Warning: Program text skipped after a % from line number 2 to line number 4\n" TOTALS(0, 1),
     0},
    {"PercentSkipsToTheEndOfTheInput", kInch24,
     "G05\nX010000Y010000\n%\nX020000Y020000\nX030000Y030000\n", "hit 25400000 25400000 -1\n",
     "Warning: Program text skipped after a % from line number 4 to line number 5\n" TOTALS(0, 1),
     0},
    {"HeaderWithoutPercent", kInch24, ";HEADER\nM48\nT01C0.035\nINCH,LZ\n", TOOL_ONE,
     "Warning: Header block from line number 2 has no % before the end of the input\n" TOTALS(0, 1),
     0},
    {"G04CommentWithoutDelimiterInTheMiddle", kInch24,
     "M48\nT01C0.035\n%\nT01\nG04 DRILLED BY HAND\nX010000Y010000\nM30\n", TOOL_ONE,
     "Warning: G04 comment from line number 5 runs to the end of the input\n" TOTALS(0, 1), 0},
    {"ScannerErrorLines", kInch24, "G99 G98\nM95 M96\nQ Q\nT1 T1\nQX\n", "",
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
     "Error: Unknown character T found at line number 4\n"
     "Error: Unknown character T found at line number 4\n"
     "Error: Unknown character Q found at line number 5\n"
     "Error: Number expected after X at line number 5\n" TOTALS(1, 0), 0},
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
     "Error: Number expected after Y at line number 6\n"},
    // Hole blocks read one after the other, and the tokens that interrupt them: a word per
    // block, a space that ends a block, a repeat, holes beyond the range, a number too long.
    {"HoleBlocksAmongOtherTokens", kInch24,
     "M48\nT01C0.035\n%\nT01\nX010000Y010000\nY020000\nX030000 Y005000\nR02X001000\n"
     "X040000Y990000\nX050000\nY000000X0100000\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\nhit 25400000 50800000 1\nhit 76200000 50800000 1\n"
              "hit 76200000 12700000 1\nhit 78740000 12700000 1\nhit 81280000 12700000 1\n"
              "hit 254000000 0 1\n",
     OUT_OF_RANGE "9\n" OUT_OF_RANGE "10\n"
     "Warning: Length of co-ordinate data 0100000 is found to be greater than M+N length 6 at "
     "line number 11 Which may cause loss of data\n" TOTALS(2, 0), 0},
    // The same after G05, in incremental steps, with signs and trailing zeros suppressed: 99
    // inches are out of range; 005 is 0.5 and 00125 is 0.125 inch; a blank line; an X without
    // digits takes the Y's; 00000625 is too long and 0.0625; 0050 warns of its last zero. The
    // totals count no message of a number.
    {"HoleBlocksInSteps", ".DataFormat 2,4\n.ZeroTruncation TRAILING\n",
     "M48\nT01C0.035\n%\nT01\nG91\nG05\nX99Y99\nX-98Y-98\nX-005\n\nY-0025\nX-00125Y0025\n"
     "XY0025\nX00000625\nX0050\nM30\n",
     TOOL_ONE "hit 25400000 25400000 1\nhit 12700000 25400000 1\nhit 12700000 19050000 1\n"
              "hit 9525000 25400000 1\nhit 15875000 25400000 1\nhit 17462500 25400000 1\n"
              "hit 30162500 25400000 1\n",
     STEP_CHANGE(5) OUT_OF_RANGE "7\n"
     "Error: Number expected after X at line number 13\n"
     "Warning: Length of co-ordinate data 00000625 is found to be greater than M+N length 6 at "
     "line number 14 Which may cause loss of data\n"
     "Warning: data should not end with a zero in trailing zero case at line number 15, which "
     "may result in loss of data\n" TOTALS(1, 1), 0},
    // Blocks are processed at their last word; an R out of range is reported at its own line.
    {"InterpreterMessageLines", kInch24,
     "M48\nT01C0.035\n%\nT01\nG91\nG90T1200\nT1500X0010Y0010\nG70 G70\nM16 M16\n"
     "G02X0020Y0A0010 G03X0030Y0A0010\nG05X990000Y0 X990000Y0\nR70000\nX0010\nR70000X0010\n"
     "M15 M15\nM15X0010Y0010 M30\n",
     TOOL_ONE "hit 25400 25400 1500\nhit 25400 25400 1500\n",
     STEP_CHANGE(5) STEP_CHANGE(6)
     "Warning: Aperture number of 1200 found at line number 6. Allowed range is [10-999]\n"
     "Warning: Tool definition not found for tool number 1200 at line number 6\n"
     "Warning: Aperture number of 1500 found at line number 7. Allowed range is [10-999]\n"
     "Warning: Tool definition not found for tool number 1500 at line number 7\n"
     "Unknown Token found in drill file at line no 8:\n"
     "Unknown Token found in drill file at line no 8:\n"
     NOT_STARTED "9\n" NOT_STARTED "9\n"
     "Error: Arc without a start point at line number 10\n"
     "Error: Arc without a start point at line number 10\n"
     OUT_OF_RANGE "11\n" OUT_OF_RANGE "11\n" OUT_OF_RANGE "12\n" OUT_OF_RANGE "14\n"
     NOT_CLOSED "15\n" NOT_CLOSED "16\n" NOT_CLOSED "16\n" TOTALS(10, 4), 0},
};
// clang-format on

class DrillReadMessages : public ::testing::TestWithParam<ReadCase> {};

// Read as written, with carriage returns before the line feeds and in EBCDIC alike.
TEST_P(DrillReadMessages, GiveTheirCallbacksMessagesAndResult) {
    const ReadCase& c = GetParam();
    const ReadOutcome outcomes[] = {
        ReadDrill(c.formatLines, c.program),
        ReadDrill(c.formatLines, ReplaceAll(c.program, "\n", "\r\n")),
        ReadDrill(std::string(c.formatLines) + ".CharacterSet EBCDIC\n", ToEbcdic(c.program))};
    for (const ReadOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.transcript, c.transcript);
        EXPECT_EQ(outcome.messages, c.messages);
        EXPECT_EQ(outcome.result, c.result);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, DrillReadMessages, ::testing::ValuesIn(kMessageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The largest repeat count gives every hole; one more is out of range, reported with the line
// of its R, and its block gives none.
TEST(DrillRead, RepeatCountsAreBoundedAt65535) {
    const ReadOutcome outcome = ReadDrill(kInch24, "T00\nX0Y0\nR65535X1\nR65536\nX1\n");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.messages, OUT_OF_RANGE "4\n" TOTALS(1, 0));
    // Steps of 0.0001 inch added up in double precision: the holes, the sum and the last x.
    int hits = 0;
    long long sum = 0;
    int last = 0;
    for (auto at = outcome.transcript.find("hit "); at != std::string::npos;
         at = outcome.transcript.find("hit ", at + 4)) {
        ++hits;
        last = std::atoi(outcome.transcript.c_str() + at + 4);
        sum += last;
    }
    EXPECT_EQ(hits, 65536);
    EXPECT_EQ(sum, 5454525207127LL);
    EXPECT_EQ(last, 166458899);
}

// Copies of a panel pattern deliver at most 65535 holes and vertices per line read: a pattern
// of 65535 holes asked for 65535 times on line 6 gets 6 copies, with a warning the host also
// receives as data; the sixth copy's last hole is 65.534 mm right and 6 mm up.
TEST(DrillRead, PanelCopiesAreBoundedPerLineRead) {
    const ReadOutcome outcome =
        ReadDrill(std::string(kInch24) + ".DataType AUTO\n",
                  "METRIC\nM25\nX0Y0\nR65534X0.001\nM01\nR65535M02X0Y1.0\nM30\n");
    const std::string warning =
        "Warning: Step and repeat at line number 6 delivers 6 of its 65535 copies; more would "
        "exceed 65535 copied holes and vertices per line of the program\n";
    EXPECT_EQ(outcome.messages, warning + TOTALS(0, 1));
    EXPECT_EQ(outcome.data.substr(0, warning.size() + 8), "34 6 2 |" + warning);
    const std::string& transcript = outcome.transcript;
    int hits = 0;
    for (auto at = transcript.find("hit "); at != std::string::npos;
         at = transcript.find("hit ", at + 4)) {
        ++hits;
    }
    EXPECT_EQ(hits, 65535 * 7);
    EXPECT_EQ(transcript.substr(transcript.rfind("hit ")), "hit 65534000 6000000 -1\n");
}

// A byte 0xFF that closes a block of the source, on the line numbered by the block size, warns
// only when more bytes follow it in the file; the host receives the warning with its line.
TEST(DrillRead, AByteFFClosingABlockWarnsOnlyWhenBytesFollowIt) {
    const std::string lineFeeds(CharacterSource::kBlockSize - 1, '\n');
    const ReadOutcome outcome = ReadDrill(kInch24, lineFeeds + "\xFFX1\n");
    const std::string line = std::to_string(CharacterSource::kBlockSize);
    const std::string warning = END_BYTE + line + END_BYTE_REST;
    const std::string totals = TOTALS(0, 1);
    EXPECT_EQ(outcome.messages, warning + totals);
    EXPECT_EQ(outcome.data, "31 " + line + " 2 |" + warning + "|22 0 0 |" + totals + "|");
    EXPECT_EQ(ReadDrill(kInch24, lineFeeds + "\xFF").messages, "");
}

// Hole blocks taken in one pass over the source's buffer read as those that a boundary of its
// buffers cuts, which the scanner reads a character at a time; spaces before the program move
// the boundary over each of its bytes in turn. Whole lines are taken only with room to spare in
// the buffer, which the lines after M30 give the last blocks.
TEST(DrillRead, HoleBlocksReadTheSameWhereverABlockBoundaryFalls) {
    const std::string kUnreadAfterEnd(64, '\n');
    for (const char* name : {"HoleBlocksAmongOtherTokens", "HoleBlocksInSteps"}) {
        const ReadCase* holeBlocks =
            std::find_if(std::begin(kMessageCases), std::end(kMessageCases),
                         [name](const ReadCase& c) { return std::string(c.name) == name; });
        ASSERT_NE(holeBlocks, std::end(kMessageCases));
        const std::string program = holeBlocks->program;
        for (std::size_t cut = 0; cut <= program.size(); ++cut) {
            const std::string padding(CharacterSource::kBlockSize - cut, ' ');
            const ReadOutcome outcome =
                ReadDrill(holeBlocks->formatLines, padding + program + kUnreadAfterEnd);
            ASSERT_EQ(outcome.transcript, holeBlocks->transcript)
                << name << ": boundary before byte " << cut;
            EXPECT_EQ(outcome.messages, holeBlocks->messages);
        }
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "interpreter/ToolTable.h"

namespace {

constexpr double kInch = 25400000.0;
constexpr double kMillimetre = 1000000.0;
constexpr int kLine = 5;

struct ToolCase {
    const char* name;
    std::vector<std::string> lines;
    double unitLength;
    const char* transcript;
    const char* messages;
    int errors;
    // A tool of the case and the width the table must hold for it (-1: not defined).
    int tool;
    int width;
};

// clang-format off
const ToolCase kToolCases[] = {
    {"DiameterPassesThroughSinglePrecision", {"01C0.7"}, kInch,
     "tool 1 0 17779999 0 0 0 0 0 0 0 0\n", "", 0, 1, 17779999},
    {"LowerCaseRoundIsUnknownAndDefinesNothing", {"02 round 0.05"}, kInch,
     "", "Error: Unknown hole type 'round' in M48/M71/M72 block\n", 1, 2, -1},
    {"SlotTurnedBy90CutsWithItsHeight", {"03 Slot 0.1x0.05 R90"}, kInch,
     "tool 3 2 0 2540000 1270000 90 0 0 0 0 0\n", "", 0, 3, 1270000},
    {"SlotTurnedBy180CutsWithItsWidth", {"03 Slot 0.1x0.05 R180"}, kInch,
     "tool 3 2 0 2540000 1270000 180 0 0 0 0 0\n", "", 0, 3, 2540000},
    {"RotationSignIsSkipped", {"03 Slot 0.1x0.05 R-30"}, kInch,
     "tool 3 2 0 2540000 1270000 30 0 0 0 0 0\n", "", 0, 3, 0},
    {"RectangleWithSpacedSeparator", {"05 RECTANGLE 0.2 X 0.1 r270"}, kInch,
     "tool 5 3 0 5080000 2540000 270 0 0 0 0 0\n", "", 0, 5, 2540000},
    {"HugeAngleKeepsItsQuarterTurns", {"05 Rectangle 0.2x0.1 R4500000000090"}, kInch,
     "tool 5 3 0 5080000 2540000 4.5e+12 0 0 0 0 0\n", "", 0, 5, 2540000},
    {"SquareWithoutRotationIsUndefined", {"04 Square 0.05"}, kInch,
     "", "", 0, 4, -1},
    {"RotationLetterLastIsNoRotation", {"04 Square 0.05 R"}, kInch,
     "", "", 0, 4, -1},
    {"SquareWithRotation", {"04 Square 0.05 R0"}, kInch,
     "tool 4 1 0 1270000 0 0 0 0 0 0 0\n", "", 0, 4, 1270000},
    {"LineWithoutNumberDefinesToolZero", {"Round 0.5"}, kInch,
     "tool 0 0 12700000 0 0 0 0 0 0 0 0\n", "", 0, 0, 12700000},
    {"HeaderDirectiveTextAsLongAsSquareIsUnknown", {"ECT,ON"}, kInch,
     "", "Error: Unknown hole type 'ECT,ON' in M48/M71/M72 block\n", 1, 0, -1},
    {"LaterDefinitionWins", {"01C0.035", "01C0.125"}, kInch,
     "tool 1 0 889000 0 0 0 0 0 0 0 0\ntool 1 0 3175000 0 0 0 0 0 0 0 0\n", "", 0, 1, 3175000},
    {"UndeliveredLineKeepsEarlierWidth", {"01C0.035", "01 Square 0.1"}, kInch,
     "tool 1 0 889000 0 0 0 0 0 0 0 0\n", "", 0, 1, 889000},
    {"DiameterBeyond32BitsIsSkipped", {"06C100"}, kInch,
     "", "Error: Value out of range at line number 5\n", 1, 6, -1},
    {"SlotSizeBeyond32BitsIsSkipped", {"06 Slot 0.1x90 R0"}, kInch,
     "", "Error: Value out of range at line number 5\n", 1, 6, -1},
    {"ToolNumberBeyond32BitsIsSkipped", {"99999999999C0.1", "07C0.5"}, kMillimetre,
     "tool 7 0 500000 0 0 0 0 0 0 0 0\n",
     "Error: Value out of range at line number 5\n", 1, 7, 500000},
};
// clang-format on

class ToolTableCases : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolTableCases, DefinesToolsAsWritten) {
    const ToolCase& c = GetParam();
    RecordingHost host;
    MessageCapture capture;
    ToolPlatings platings;
    ToolTable table(host, capture.Stream(), LengthConverter(c.unitLength), platings);
    EXPECT_EQ(table.BuildToolTable(c.lines, PlatingStatements(""), kLine), c.errors);
    EXPECT_EQ(host.transcript, c.transcript);
    EXPECT_EQ(capture.Text(), c.messages);
    EXPECT_EQ(table.IsToolDefined(c.tool), c.width >= 0);
    EXPECT_EQ(table.WidthOf(c.tool), c.width >= 0 ? c.width : 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, ToolTableCases, ::testing::ValuesIn(kToolCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

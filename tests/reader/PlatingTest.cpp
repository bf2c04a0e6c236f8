#include <gtest/gtest.h>

#include <map>
#include <string>

#include "MessageCapture.h"
#include "perforex/perforex.h"
#include "scanner/PlatingStatements.h"

namespace {

const char kAuto[] = ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.DataType AUTO\n";
const char kStrict[] = ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n";

// Writes "T<tool> <plating code>" for each AddTool with the plating the reader gives then, and
// keeps the last one of each tool.
class PlatingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override {}
    void AddHit(int, int, int) override {}
    void AddTool(int tool, int, int, int, int, double, int, int, int, int, int) override {
        last[tool] = GetToolPlating(tool);
        announced += "T" + std::to_string(tool) + " " + std::to_string(last[tool]) + " ";
    }
    void ReadText(const char* format, const std::string& program, const char* name) {
        SetDrillMachineFormatText(format);
        ReadMemory(capture.Stream(), program.data(), program.size(), name);
    }

    MessageCapture capture;
    std::map<int, int> last;
    std::string announced;
};

// The expected platings are "T<tool> <code>" per AddTool: 0 unknown, 1 plated, 2 not plated.
struct PlatingCase {
    const char *name, *fileName, *format, *program, *platings;
};

// clang-format off
const PlatingCase kPlatingCases[] = {
    {"KiCadMixedFileTakesEachToolsAttribute", "board-PTH.drl", kAuto,
     "M48\n; #@! TF.FileFunction,MixedPlating,1,2\nMETRIC\nT1C0.3\n; #@! TA.AperFunction,Plated,PTH,ViaDrill\n"
     "T2C0.8\n; #@! TA.AperFunction,NonPlated,NPTH,ComponentDrill\nT3C3.0\n%\nT2\nX1.0Y1.0\nM30\n",
     "T1 0 T2 1 T3 2 "},
    {"AltiumTypeLinesStateGroups", "board.TXT", kAuto,
     "M48\n;FILE_FORMAT=2:5\nINCH,LZ\n;TYPE=PLATED\nT1F00S00C0.01181\nT2F00S00C0.03937\n;TYPE=NON_PLATED\n"
     "T3F00S00C0.12500\n;TYPE=MIXED\nT4F00S00C0.05000\n%\nT01\nX0100000Y0100000\nM30\n",
     "T1 1 T2 1 T3 2 T4 0 "},
    {"LaterDefinitionTakesItsOwnGroup", "board_NPTH.drl", kAuto,
     "M48\nMETRIC\n;type = plated\nT1C0.5\n%\nT1\nX1.0Y1.0\n;TYPE=NON_PLATED\nT1C0.6\nX2.0Y1.0\nM30\n",
     "T1 1 T1 2 "},
    {"CommentTableTakesTheGroupItStandsIn", "CAM/board-NPTH.drl", kAuto,
     ";TYPE=PLATED\n;T1 Holesize 1. = 0.800000 MM\n;T2 Holesize 2. = 3.200000 MM\n;TYPE=X\n"
     ";T3 Holesize 3. = 1.000000 MM\nT1\nX1.0Y1.0\nM30\n",
     "T1 1 T2 1 T3 2 "},
    {"AllegroEntriesSayItThemselves", "drill_1_4-PTH.drl", kAuto,
     ";T01 Holesize 1. = 12.000000 Tolerance = +0.000000/-0.000000 PLATED MILS Quantity = 3\n"
     ";T02 Holesize 2. = 125.000000 NON_PLATED MILS\n;T03 Holesize 3. = 40.000000 MILS\n%\nT01\nX16500Y23000\nM30\n",
     "T1 1 T2 2 T3 1 "},
    {"StrictHeaderCommentsStateGroups", "gerber/board-PTH.drl", kStrict,
     "M48\n;TYPE=NON_PLATED\r\nT01C0.0120\n;TYPE=DRILL\nT02C0.1250\n%\nT01\nX010000Y010000\nM30\n",
     "T1 2 T2 1 "},
    {"StrictBodyCommentsStateGroupAndFile", "board-PTH.drl", kStrict,
     "; #@! TF.FileFunction,NonPlated,1,2,NPTH\n;TYPE=PLATED\n;T01 C0.0400\n;TYPE=SLOTS\n"
     ";T02 C0.1250\nM48\nT03C0.0200\n%\nT01\nX010000Y010000\nM30\n",
     "T1 1 T2 2 T3 2 "},
};
// clang-format on

class PlatingCases : public ::testing::TestWithParam<PlatingCase> {};

TEST_P(PlatingCases, EachToolTakesWhatIsStatedBeforeItsDefinition) {
    const PlatingCase& c = GetParam();
    PlatingHost host;
    host.ReadText(c.format, c.program, c.fileName);
    ASSERT_EQ(host.announced, c.platings);
    for (const auto& [tool, plating] : host.last) {
        EXPECT_EQ(host.GetToolPlating(tool), plating) << "T" << tool << " after the read";
    }
    EXPECT_EQ(host.GetToolPlating(99), CPerforexReader::PlatingUnknown);
    // Another read forgets them.
    host.ReadText(c.format, "M48\n%\nM30\n", c.fileName);
    EXPECT_EQ(host.GetToolPlating(host.last.begin()->first), CPerforexReader::PlatingUnknown);
}

INSTANTIATE_TEST_SUITE_P(Programs, PlatingCases, ::testing::ValuesIn(kPlatingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Plating, FileNamesSayItOnlyAsTheirLastWord) {
    // clang-format off
    const std::pair<const char*, int> names[] = {
        {"board-NPTH.drl", 2}, {"board_NPTH.drl", 2}, {"board-PTH.drl", 1},
        {"C:\\cam\\Board_pth.DRL", 1}, {"board-npth", 2}, {"DEPTH.drl", 0}, {"PTH.drl", 0},
        {"board-DEPTH.drl", 0}, {"board-PTH-v2.drl", 0}, {"out-PTH.1/drill", 0},
        {"C:\\cam-PTH.1\\drill", 0}, {"-", 0}};
    // clang-format on
    for (const auto& [name, plating] : names) {
        EXPECT_EQ(PlatingStatements::OfFileName(name), plating) << name;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "MessageCapture.h"
#include "perforex/perforex.h"
#include "scanner/PlatingStatements.h"

namespace {

const char kAutoFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.DataType AUTO\n.Unit MM\n";
const char kStrictFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.DataFormat 2,4\n";

// Writes "T<tool> <plating code>" for every tool as AddTool announces it, with the plating the
// reader gives at that moment, and keeps the last one of each tool.
class PlatingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override {}
    void AddHit(int, int, int) override {}
    void AddTool(int tool, int, int, int, int, double, int, int, int, int, int) override {
        last[tool] = GetToolPlating(tool);
        announced += "T" + std::to_string(tool) + " " + std::to_string(last[tool]) + " ";
    }

    std::map<int, int> last;
    std::string announced;
};

struct PlatingCase {
    const char* name;
    const char* fileName;
    const char* format;
    const char* program;
    // "T<tool> <code>" per tool announced: 0 unknown, 1 plated, 2 not plated.
    const char* platings;
};

// clang-format off
const PlatingCase kPlatingCases[] = {
    {"KiCadFileFunctionCoversEveryTool", "board.drl", kAutoFormat,
     "M48\n; DRILL file {KiCad 5.1.9} date 2021-03-02 10:11:12\n; FORMAT={-:-/ absolute / metric / decimal}\n"
     "; #@! TF.CreationDate,2021-03-02T10:11:12+01:00\n; #@! TF.FileFunction,Plated,1,2,PTH\n"
     "FMAT,2\nMETRIC\nT1C0.400\nT2C1.000\n%\nG90\nG05\nT1\nX10.0Y10.0\nT2\nX20.0Y10.0\nT0\nM30\n",
     "T1 1 T2 1 "},
    {"KiCadStatementWinsOverTheName", "board-PTH.drl", kAutoFormat,
     "M48\n; #@! TF.FileFunction,NonPlated,1,2,NPTH\nFMAT,2\nMETRIC\nT1C3.200\n%\nT1\nX5.0Y5.0\nM30\n",
     "T1 2 "},
    {"KiCadMixedFileTakesEachToolsAttribute", "board-PTH.drl", kAutoFormat,
     "M48\n; #@! TF.FileFunction,MixedPlating,1,2\nFMAT,2\nMETRIC\nT1C0.300\n"
     "; #@! TA.AperFunction,Plated,PTH,ViaDrill\nT2C0.800\n"
     "; #@! TA.AperFunction,NonPlated,NPTH,ComponentDrill\nT3C3.000\n%\nT2\nX1.0Y1.0\nM30\n",
     "T1 0 T2 1 T3 2 "},
    {"AltiumTypeLinesStateGroups", "board.TXT", kAutoFormat,
     "M48\n;Layer_Color=9474304\n;FILE_FORMAT=2:5\nINCH,LZ\n;TYPE=PLATED\nT1F00S00C0.01181\n"
     "T2F00S00C0.03937\n;TYPE=NON_PLATED\nT3F00S00C0.12500\n;TYPE=MIXED\nT4F00S00C0.05000\n%\n"
     "T01\nX0100000Y0100000\nM30\n",
     "T1 1 T2 1 T3 2 T4 0 "},
    {"LaterDefinitionTakesItsOwnGroup", "board_NPTH.drl", kAutoFormat,
     "M48\nMETRIC\n;type = plated\nT1C0.5\n%\nT1\nX1.0Y1.0\n;TYPE=NON_PLATED\nT1C0.6\nX2.0Y1.0\nM30\n",
     "T1 1 T1 2 "},
    {"CommentTableTakesTheGroupItStandsIn", "board.drl", kAutoFormat,
     ";TYPE=PLATED\n;T1 Holesize 1. = 0.800000 Tolerance = +0.05/-0.05 MM Quantity = 1\n"
     ";TYPE=NON_PLATED\n;T2 Holesize 2. = 3.200000 Tolerance = +0.05/-0.05 MM Quantity = 1\n"
     "T1\nX1.0Y1.0\nM30\n",
     "T1 1 T2 2 "},
    {"EagleNameWithoutStatements", "CAM/board_NPTH.drd", kAutoFormat,
     "M48\nM72\nT01C0.0320\n%\nT01\nX1000Y1000\nM30\n",
     "T1 2 "},
    {"StrictHeaderCommentsStateGroups", "panel.drl", kStrictFormat,
     "M48\n;TYPE=PLATED\nT01C0.0120\n;TYPE=NON_PLATED\r\nT02C0.1250\n%\nT01\nX010000Y010000\nM30\n",
     "T1 1 T2 2 "},
    {"StrictBodyCommentsStateGroupAndFile", "board-PTH.drl", kStrictFormat,
     "; #@! TF.FileFunction,NonPlated,1,2,NPTH\n;TYPE=PLATED\n;T01 C0.0400\n;TYPE=SLOTS\n"
     ";T02 C0.1250\nM48\nT03C0.0200\n%\nT01\nX010000Y010000\nM30\n",
     "T1 1 T2 2 T3 2 "},
    {"StrictNameWhenNothingIsStated", "gerber/board-PTH.drl", kStrictFormat,
     "M48\n;drill file\nT01C0.0120\n%\nT01\nX010000Y010000\nM30\n",
     "T1 1 "},
};
// clang-format on

class PlatingCases : public ::testing::TestWithParam<PlatingCase> {};

TEST_P(PlatingCases, EachToolTakesWhatIsStatedBeforeItsDefinition) {
    const PlatingCase& c = GetParam();
    PlatingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatText(c.format);
    const std::string program = c.program;
    host.ReadMemory(capture.Stream(), program.data(), program.size(), c.fileName);
    EXPECT_EQ(host.announced, c.platings);
    for (const auto& [tool, plating] : host.last) {
        EXPECT_EQ(host.GetToolPlating(tool), plating) << "T" << tool << " after the read";
    }
    EXPECT_EQ(host.GetToolPlating(99), CPerforexReader::PlatingUnknown);
}

INSTANTIATE_TEST_SUITE_P(Programs, PlatingCases, ::testing::ValuesIn(kPlatingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Plating, AnotherReadForgetsTheToolsOfTheLastOne) {
    PlatingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatText(kAutoFormat);
    const std::string plated = "M48\n;TYPE=PLATED\nT1C0.5\n%\nT1\nX1.0Y1.0\nM30\n";
    host.ReadMemory(capture.Stream(), plated.data(), plated.size(), "a.drl");
    const PlatingHost copy(host);
    const std::string none = "M48\nT2C0.5\n%\nT2\nX1.0Y1.0\nM30\n";
    host.ReadMemory(capture.Stream(), none.data(), none.size(), "b.drl");
    EXPECT_EQ(host.GetToolPlating(1), CPerforexReader::PlatingUnknown);
    EXPECT_EQ(copy.GetToolPlating(1), CPerforexReader::Plated);
}

TEST(Plating, FileNamesSayItOnlyAsTheirLastWord) {
    const std::pair<const char*, int> names[] = {
        {"board-NPTH.drl", PlatingStatements::kNonPlated},
        {"board_NPTH.drl", PlatingStatements::kNonPlated},
        {"board-PTH.drl", PlatingStatements::kPlated},
        {"gerber/board-PTH.drl", PlatingStatements::kPlated},
        {"C:\\cam\\Board_pth.DRL", PlatingStatements::kPlated},
        {"board-npth", PlatingStatements::kNonPlated},
        {"DEPTH.drl", PlatingStatements::kUnknown},
        {"board-DEPTH.drl", PlatingStatements::kUnknown},
        {"board-PTH-v2.drl", PlatingStatements::kUnknown},
        {"board-PTH.d/board.drl", PlatingStatements::kUnknown},
        {"PTH.drl", PlatingStatements::kUnknown},
        {"-", PlatingStatements::kUnknown},
    };
    for (const auto& [name, plating] : names) {
        EXPECT_EQ(PlatingStatements::OfFileName(name), plating) << name;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "perforex/perforex.h"
#include "writer/DrillProgramAccess.h"

namespace {

constexpr int P = CDrillWriter::Plated;
constexpr int N = CDrillWriter::NonPlated;

struct GivenTool {
    int tool;
    int holeType;
    int size;
    int plating;
};

// A program of the tools, one hole per entry of holes at (10 * k, -k) for the k-th, and one
// two-point contour of tool contourTool after the first hole unless it is 0.
CDrillProgram Program(const std::vector<GivenTool>& tools, const std::vector<int>& holes,
                      int contourTool = 0) {
    CDrillProgram program;
    for (const GivenTool& t : tools) {
        const bool round = t.holeType == CDrillWriter::Round;
        program.AddTool(t.tool, t.holeType, round ? t.size : 0, round ? 0 : t.size,
                        t.holeType == CDrillWriter::Slot ? t.size / 2 : 0, 0.0);
        program.SetToolPlating(t.tool, t.plating);
    }
    for (std::size_t k = 0; k < holes.size(); ++k) {
        program.AddHit(10 * static_cast<int>(k), -static_cast<int>(k), holes[k]);
        if (k == 0 && contourTool != 0) {
            const int words[] = {1, 2, 0, 3, 4, 0};
            program.AddContour(CVbPolyarcPath(7, words, 6, 0, 0, 0, 0), contourTool);
        }
    }
    return program;
}

// "T<number>:<type>,<diameter>,<width>,<height>,<plating>" per tool, then "x,y@tool" per hole,
// then "C<tool>/<width> after <holes> [x,y,r ...]" per contour.
std::string Describe(const CDrillProgram& program) {
    const DrillContent& content = DrillProgramAccess::Of(program);
    std::string text;
    for (const DrillContent::Tool& t : content.tools) {
        text += "T" + std::to_string(t.tool) + ":" + std::to_string(t.holeType) + "," +
                std::to_string(t.diameter) + "," + std::to_string(t.width) + "," +
                std::to_string(t.height) + "," + std::to_string(t.plating) + " ";
    }
    for (const DrillContent::Hole& h : content.holes) {
        text +=
            std::to_string(h.x) + "," + std::to_string(h.y) + "@" + std::to_string(h.tool) + " ";
    }
    for (const DrillContent::Contour& c : content.contours) {
        text += "C" + std::to_string(c.tool) + "/" + std::to_string(c.width) + " after " +
                std::to_string(c.holesBefore) + " [";
        for (const CVbVertex& v : c.vertices) {
            text +=
                std::to_string(v.x) + "," + std::to_string(v.y) + "," + std::to_string(v.r) + " ";
        }
        text += "] ";
    }
    return text;
}

struct RenumberCase {
    std::vector<int> from;
    std::vector<int> to;
    std::vector<int> holes;
    const char* expected;  // the program after, or the error
};

TEST(DrillProgramTest, RenumbersToolsWhereTheyAreDefinedAndUsedOrChangesNothing) {
    const std::vector<GivenTool> tools = {{1, 0, 400, 0}, {2, 0, 800, P}};
    const RenumberCase cases[] = {
        {{1}, {5}, {1, 2, -1}, "T5:0,400,0,0,0 T2:0,800,0,0,1 0,0@5 10,-1@2 20,-2@-1 C5/7 after 1"},
        {{1, 2}, {2, 1}, {1, 2}, "T2:0,400,0,0,0 T1:0,800,0,0,1 0,0@2 10,-1@1 C2/7 after 1"},
        {{1}, {2}, {1}, "tools 1 and 2 would both be tool 2"},
        {{1}, {7}, {1, 7}, "tools 1 and 7 would both be tool 7"},
        {{1, 1}, {3, 4}, {1}, "tool 1 is given two new numbers"},
        {{1}, {-3}, {1}, "a tool number is never negative: 1 to -3"},
    };
    for (const RenumberCase& c : cases) {
        CDrillProgram program = Program(tools, c.holes, 1);
        const std::string before = Describe(program);
        const int done =
            program.RenumberTools(c.from.data(), c.to.data(), static_cast<int>(c.from.size()));
        const std::string after = done ? Describe(program) : program.GetError().Str();
        EXPECT_EQ(after.substr(0, std::string(c.expected).size()), c.expected);
        EXPECT_EQ(done == 0, Describe(program) == before) << c.expected;
    }
}

TEST(DrillProgramTest, MergesToolsOfEqualShapeSizeAndPlatingOnly) {
    // 3 is 1 again; 2 differs from 1 in plating alone, 4 in shape alone; 5 is defined twice
    // differently, so neither its holes nor 6, equal to its first definition, move.
    CDrillProgram program = Program({{1, 0, 800, P},
                                     {2, 0, 800, N},
                                     {3, 0, 800, P},
                                     {4, 1, 800, P},
                                     {5, 0, 300, 0},
                                     {5, 0, 500, 0},
                                     {6, 0, 300, 0}},
                                    {3, 2, 1, 6, 5}, 3);
    program.MergeEqualTools();
    EXPECT_EQ(Describe(program),
              "T1:0,800,0,0,1 T2:0,800,0,0,2 T4:1,0,800,0,1 T5:0,300,0,0,0 T5:0,500,0,0,0 "
              "T6:0,300,0,0,0 0,0@1 10,-1@2 20,-2@1 30,-3@6 40,-4@5 C1/7 after 1 [1,2,0 3,4,0 ] ");
}

TEST(DrillProgramTest, MergesReadsOntoToolsNumberedInOrderAndKeptApartByPlating) {
    // The plated and non-plated programs of one board: the 1 mm tools stay two, and the third
    // program's plated 0.4 mm tool is the first's.
    const CDrillProgram plated = Program({{1, 0, 400000, P}, {2, 0, 1000000, P}}, {1, 2});
    const CDrillProgram nonPlated = Program({{1, 0, 1000000, N}, {2, 0, 3200000, N}}, {2, 1}, 1);
    const CDrillProgram vias = Program({{7, 0, 400000, P}}, {7});
    CDrillProgram merged;
    ASSERT_EQ(merged.Merge(plated), 1);
    ASSERT_EQ(merged.Merge(nonPlated), 1);
    ASSERT_EQ(merged.Merge(vias), 1);
    EXPECT_EQ(Describe(merged),
              "T1:0,400000,0,0,1 T2:0,1000000,0,0,1 T3:0,1000000,0,0,2 T4:0,3200000,0,0,2 "
              "0,0@1 10,-1@2 0,0@4 10,-1@3 0,0@1 C3/7 after 3 [1,2,0 3,4,0 ] ");
    const CDrillProgram undefined = Program({{1, 0, 400000, P}}, {1, 2});
    EXPECT_EQ(merged.Merge(undefined), 0);
    EXPECT_EQ(merged.GetError().Str(),
              "hole 1 is drilled with tool 2, which its program does not define");
    EXPECT_EQ(merged.GetHoleCount(), 5);
}

TEST(DrillProgramTest, StepsCopiesRowByRowAndRefusesAPanelBeyondTheRange) {
    CDrillProgram program = Program({{1, 0, 400, 0}}, {1, 1}, 1);
    ASSERT_EQ(program.Step(2, 2, 100, -1000), 1);
    EXPECT_EQ(Describe(program),
              "T1:0,400,0,0,0 0,0@1 10,-1@1 100,0@1 110,-1@1 0,-1000@1 10,-1001@1 100,-1000@1 "
              "110,-1001@1 C1/7 after 1 [1,2,0 3,4,0 ] C1/7 after 3 [101,2,0 103,4,0 ] "
              "C1/7 after 5 [1,-998,0 3,-996,0 ] C1/7 after 7 [101,-998,0 103,-996,0 ] ");
    struct Refused {
        int columns, rows, dx, dy;
        const char* error;
    };
    // The farthest hole is at (110, -1001), the contour's first vertex at (1, -998).
    const Refused refused[] = {
        {2, 1, INT_MAX - 109, 0, "the panel reaches x 2147483648 nm, beyond the 32-bit"},
        {1, 3, 0, INT_MIN / 2, "the panel reaches y -2147484649 nm, beyond the 32-bit"},
        {0, 2, 1, 1, "a panel is at least 1 x 1, not 0 x 2"},
    };
    for (const Refused& r : refused) {
        const std::string before = Describe(program);
        EXPECT_EQ(program.Step(r.columns, r.rows, r.dx, r.dy), 0);
        EXPECT_EQ(program.GetError().Str().substr(0, std::string(r.error).size()), r.error);
        EXPECT_EQ(Describe(program), before);
    }
}

TEST(DrillRackTest, MapsRoundToolsOntoTheNearestSizeWithinTheToleranceAndReportsTheRest) {
    // Rack 0.3, 0.4, 0.8, 1.0 mm within 0.05 mm: 0.35 lies as near 0.3 as 0.4 and takes 0.4;
    // 0.79 takes 0.8, and so does the width of its contour; 1.2 is 0.2 from 1.0, and 0.1 is 0.2
    // from 0.3; the slot keeps its sizes.
    CDrillProgram program = Program({{1, 0, 350000, 0},
                                     {2, 0, 790000, P},
                                     {3, 0, 1200000, 0},
                                     {4, 2, 790000, 0},
                                     {5, 0, 100000, 0}},
                                    {1, 2}, 2);
    CDrillRack rack;
    EXPECT_EQ(rack.Apply(program), -1);
    for (const int size : {1000000, 300000, 800000, 400000}) {
        rack.AddSize(size);
    }
    rack.SetTolerance(50000);
    ASSERT_EQ(rack.Apply(program), 2);
    const std::string mapped =
        "T1:0,400000,0,0,0 T2:0,800000,0,0,1 T3:0,1200000,0,0,0 T4:2,0,790000,395000,0 "
        "T5:0,100000,0,0,0 0,0@1 10,-1@2 C2/800000 after 1";
    EXPECT_EQ(Describe(program).substr(0, mapped.size()), mapped);
    const CRackMiss expected[] = {{3, 1200000, 1000000, 200000}, {5, 100000, 300000, 200000}};
    ASSERT_EQ(rack.GetMissCount(), 2);
    for (int k = 0; k < 2; ++k) {
        const CRackMiss miss = rack.GetMiss(k);
        EXPECT_EQ(std::vector<int>({miss.tool, miss.size, miss.nearest, miss.distance}),
                  std::vector<int>({expected[k].tool, expected[k].size, expected[k].nearest,
                                    expected[k].distance}));
    }
}

}  // namespace

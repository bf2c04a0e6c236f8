// Reads a board's plated and non-plated drill programs, merges them into one program whose tools
// keep the two apart, moves the tools onto the drill sizes of a rack, steps the board twice
// across a panel and writes the panel in the AUTO format: what a fabricator does with a board's
// drill files before drilling.
#include <cstdio>

#include "perforex/perforex.h"

namespace {

// Reads one drill file, with the format detected for it, into program; each tool takes the
// plating that the program or its file name states.
int ReadInto(CDrillProgram& program, const char* path) {
    CFormatDetector detector;
    detector.DetectFile(path);
    CWritingReader reader(program);
    reader.SetDrillMachineFormatText(detector.GetMachineFormatText());
    return reader.Read(stderr, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PLATED_DRILL_FILE NON_PLATED_DRILL_FILE PANEL_TO_WRITE\n",
                     argv[0]);
        return 2;
    }
    CDrillWriter writer;
    writer.SetDrillMachineFormatText(".DataType AUTO\n.Unit MM\n");
    CDrillProgram& panel = writer.GetProgram();

    // Tools of equal size stay two where one is plated and the other not.
    for (int file = 1; file <= 2; ++file) {
        CDrillProgram board;
        if (ReadInto(board, argv[file]) == 0 || panel.Merge(board) == 0) {
            return 1;
        }
    }

    // The machine stocks 0.4, 0.9 and 3.0 mm drills; a tool may move by 0.1 mm at most.
    CDrillRack rack;
    for (const int size : {400000, 900000, 3000000}) {
        rack.AddSize(size);
    }
    rack.SetTolerance(100000);
    const int missed = rack.Apply(panel);
    for (int index = 0; index < missed; ++index) {
        const CRackMiss miss = rack.GetMiss(index);
        std::printf("tool %d of %d nm: the rack's nearest is %d nm, %d nm away\n", miss.tool,
                    miss.size, miss.nearest, miss.distance);
    }
    panel.MergeEqualTools();

    // Two boards side by side, 60 mm apart.
    if (panel.Step(2, 1, 60000000, 0) == 0 || writer.Write(argv[3]) == 0) {
        std::fprintf(stderr, "%s%s\n", panel.GetError().GetString(), writer.GetError().GetString());
        return 1;
    }
    std::printf("tools %d, holes %d, contours %d\n", panel.GetToolCount(), panel.GetHoleCount(),
                panel.GetContourCount());
    return 0;
}

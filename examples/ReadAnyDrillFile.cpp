// Reads a drill file whose machine format nobody states, the way perforex-dump does without -f:
// the library detects the format from the program and the side files beside it, and the reader
// reads with it. Prints the evidence of the detection and every tool, hole and contour.
#include <cstdio>

#include "perforex/perforex.h"

namespace {

class PrintingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& contour, int tool) override {
        std::printf("contour tool %d, %zu vertices\n", tool, GetContourVertices(contour).size());
    }
    void AddHit(int x, int y, int tool) override { std::printf("hit %d %d tool %d\n", x, y, tool); }
    void AddTool(int tool, int holeType, int diameter, int width, int height, double, int, int, int,
                 int, int) override {
        std::printf("tool %d type %d diameter %d width %d height %d\n", tool, holeType, diameter,
                    width, height);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DRILL_FILE\n", argv[0]);
        return 2;
    }
    // The five lines a host needs to read a real drill file.
    CFormatDetector detector;
    detector.DetectFile(argv[1]);
    PrintingHost host;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    const int result = host.Read(stderr, argv[1]);

    for (const CFormatEvidence& decision : detector.GetEvidence()) {
        std::printf("format %s\n", decision.text.GetString());
    }
    if (!detector.GetFailure().IsEmpty()) {
        std::printf("no drill program? %s\n", detector.GetFailure().GetString());
    }
    std::printf("result %d\n", result);
    return result == 1 ? 0 : 1;
}

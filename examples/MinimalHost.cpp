// The smallest useful host: prints every tool, hole and contour a drill file holds.
#include <cstdio>

#include "perforex/perforex.h"

namespace {

class PrintingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& contour, int tool) override {
        std::printf("contour tool %d", tool);
        for (const CVbVertex& vertex : GetContourVertices(contour)) {
            std::printf(" [%d %d %d]", vertex.x, vertex.y, vertex.r);
        }
        std::printf("\n");
    }
    void AddHit(int x, int y, int tool) override { std::printf("hit %d %d tool %d\n", x, y, tool); }
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override {
        std::printf("tool %d type %d diameter %d width %d height %d angle %g\n", tool, holeType,
                    diameter, width, height, angle);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MACHINE_FORMAT_FILE DRILL_FILE\n", argv[0]);
        return 2;
    }
    std::printf("PerforexReader %s\n", PERFOREX_VERSION_STRING);
    PrintingHost host;
    host.SetDrillMachineFormatFile(argv[1]);
    const int result = host.Read(stderr, argv[2]);
    std::printf("result %d\n", result);
    return result == 1 ? 0 : 1;
}

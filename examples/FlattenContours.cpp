// Keeps the routed contours of a drill file beyond the read and turns their arcs into chords, as
// a host does that draws, mills or compares outlines as polygons.
#include <cstdio>
#include <memory>
#include <vector>

#include "perforex/perforex.h"

namespace {

class ContourHost : public CPerforexReader {
  public:
    // The path lives only during the call: copy its record to keep it.
    void AddContour(const CVbVrtxGeom& path, int) override {
        contours.push_back(std::make_unique<CVbPolyarcPath>(path.GetRecord(), path.GetWordCount()));
    }
    void AddHit(int, int, int) override {}
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}

    std::vector<std::unique_ptr<CVbPolyarcPath>> contours;
};

// Largest angle, in degrees, that one chord may stand in for.
constexpr int kChordDegrees = 5;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MACHINE_FORMAT_FILE DRILL_FILE\n", argv[0]);
        return 2;
    }
    ContourHost host;
    host.SetDrillMachineFormatFile(argv[1]);
    const int result = host.Read(stderr, argv[2]);
    for (std::size_t index = 0; index < host.contours.size(); ++index) {
        const CVbPolyarcPath& contour = *host.contours[index];
        int arcs = 0;
        for (const CVbVertex& vertex : GetContourVertices(contour)) {
            arcs += vertex.r != 0;
        }
        const std::unique_ptr<CVbPolylinePath> polygon(contour.ToPolygon(kChordDegrees));
        std::printf("contour %zu: width %d, %d arcs, polygon of %zu points:", index + 1,
                    contour.GetWidth(), arcs,
                    polygon ? GetContourVertices(*polygon).size() : std::size_t{0});
        if (polygon) {
            for (const CVbVertex& point : GetContourVertices(*polygon)) {
                std::printf(" (%d %d)", point.x, point.y);
            }
        }
        std::printf("\n");
    }
    std::printf("result %d\n", result);
    return result == 1 ? 0 : 1;
}

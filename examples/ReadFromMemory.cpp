// Reads a drill program held in memory (an upload, a member of a zip archive, a database field):
// the library detects its format and reads it straight from the buffer. Side files such as
// EAGLE's NAME.dri are looked for in a folder only when the host names one.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "perforex/perforex.h"

namespace {

#ifdef _WIN32
const char kSeparators[] = "/\\:";
#else
const char kSeparators[] = "/";
#endif

class FirstHoleHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override {}
    void AddHit(int x, int y, int) override {
        if (holes++ == 0) {
            firstX = x;
            firstY = y;
        }
    }
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}

    int holes = 0;
    int firstX = 0;
    int firstY = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s DRILL_FILE [SIDE_FILE_FOLDER]\n", argv[0]);
        return 2;
    }
    // Stands for bytes that arrive from elsewhere; only their name says where they came from.
    std::ifstream file(argv[1], std::ios::binary);
    const std::string program{std::istreambuf_iterator<char>(file), {}};
    const std::string path = argv[1];
    const std::string name = path.substr(path.find_last_of(kSeparators) + 1);

    CFormatDetector detector;
    detector.DetectMemory(program.data(), program.size(), name.c_str(), argc == 3 ? argv[2] : "");
    FirstHoleHost host;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    const int result = host.ReadMemory(stderr, program.data(), program.size(), name.c_str());
    std::printf("%d holes, the first at (%d, %d), result %d\n", host.holes, host.firstX,
                host.firstY, result);
    return result == 1 ? 0 : 1;
}

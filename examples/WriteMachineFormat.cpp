// Writes the machine format file of a machine that drills in millimetres, with three digits
// before and three after the implied point and trailing zeros left out, then reads a drill file
// with it: the way to read a program when you know the machine that wrote it.
#include <cstdio>

#include "perforex/perforex.h"

namespace {

// Keywords not given keep their defaults: EXCELLON, ASCII, ABSOLUTE steps, "#" delimiter.
const char kMetricMachine[] =
    ".FILETYPE DRILL_MACHINE_FILE\n"
    ".VERSION \"QK2002.1\"\n"
    "! A machine that writes millimetres, 3,3 digits, trailing zeros left out.\n"
    ".Unit MM\n"
    ".DataFormat 3,3\n"
    ".ZeroTruncation TRAILING\n";

class CountingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override { ++contours; }
    void AddHit(int, int, int) override { ++holes; }
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override { ++tools; }

    int tools = 0;
    int holes = 0;
    int contours = 0;
};

bool WriteFile(const char* path, const char* text) {
    // Binary, so that the file has line feeds alone on every system.
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fputs(text, file) >= 0;
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MACHINE_FORMAT_FILE_TO_WRITE DRILL_FILE\n", argv[0]);
        return 2;
    }
    if (!WriteFile(argv[1], kMetricMachine)) {
        std::perror(argv[1]);
        return 2;
    }
    CountingHost host;
    // SetDrillMachineFormatText(kMetricMachine) would do the same without the file.
    host.SetDrillMachineFormatFile(argv[1]);
    const int result = host.Read(stderr, argv[2]);
    std::printf("tools %d, holes %d, contours %d, result %d\n", host.tools, host.holes,
                host.contours, result);
    return result == 1 ? 0 : 1;
}

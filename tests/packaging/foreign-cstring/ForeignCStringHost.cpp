// A host built on a class framework that defines a global CString, as the Windows one does: it
// includes every header of the reader, derives from it and passes its own strings.
//   foreign-cstring-host DRILL_FILE
#include <cstdio>
#include <string>

// The framework's counted string, which converts to const char* as the framework's does.
class CString {
  public:
    CString(const char* text) : text_(text) {}
    operator const char*() const { return text_.c_str(); }
    int GetLength() const { return static_cast<int>(text_.size()); }

  private:
    std::string text_;
};

#define PERFOREX_NO_GLOBAL_CSTRING
#include "perforex/perforex.h"

class FrameworkHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override { ++contours; }
    void AddHit(int x, int y, int) override {
        if (holes++ == 0) {
            std::printf("first hole %d %d\n", x, y);
        }
    }
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}
    void AddMessage(const CReaderMessage& message) override {
        const CString text = message.text.GetString();
        std::printf("message of %d bytes\n", text.GetLength());
    }

    int holes = 0;
    int contours = 0;
};

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: foreign-cstring-host DRILL_FILE\n");
        return 2;
    }
    const CString path = argv[1];
    CFormatDetector detector;
    detector.DetectFile(path);
    FrameworkHost host;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    const int result = host.Read(stdout, path);
    std::printf("%d holes, %d contours, result %d\n", host.holes, host.contours, result);
    return result == 1 ? 0 : 1;
}

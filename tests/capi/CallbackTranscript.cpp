// Prints what a read of a drill file delivers to a C++ host, in the order of the callbacks and
// in the words of the C test's transcript, so that the two compare line by line:
//   perforex_callback_transcript FILE [MACHINE_FORMAT_FILE]
//   perforex_callback_transcript --each MACHINE_FORMAT_FILE|- FILE...   (each after "file FILE")
// Without a machine format file (or with -) the format is detected, as a host does with
// CFormatDetector.

#include <cstdio>
#include <string>

#include "perforex/perforex.h"
#include "platform/NativeFile.h"

namespace {

// Returns the flags of the C interface set in a geometry record's header word.
int Flags(int header) {
    return ((header & CVbVrtxGeom::kClosedBit) != 0 ? 1 : 0) |
           ((header & CVbVrtxGeom::kBreaksBit) != 0 ? 2 : 0) |
           ((header & CVbVrtxGeom::kCounterClockwiseBit) != 0 ? 4 : 0);
}

// Returns text with line feeds, backslashes and other control characters escaped.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char character : text) {
        const unsigned char byte = static_cast<unsigned char>(character);
        char code[8];
        std::snprintf(code, sizeof code, byte < 0x20 || byte == 0x7f ? "\\x%02x" : "%c", byte);
        escaped += byte == '\n' ? "\\n" : byte == '\\' ? "\\\\" : code;
    }
    return escaped;
}

class TranscriptHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int tool) override {
        std::printf("contour %d %d %d %d:", tool, GetKind(path.GetRecord()), path.GetWidth(),
                    Flags(path.GetRecord()[0]));
        for (const CVbVertex& vertex : GetContourVertices(path)) {
            std::printf(" %d %d %d", vertex.x, vertex.y, vertex.r);
        }
        std::printf("\n");
    }
    void AddHit(int x, int y, int tool) override { std::printf("hit %d %d %d\n", x, y, tool); }
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override {
        std::printf("tool %d %d %d %d %d %g", tool, holeType, diameter, width, height, angle);
        if (GetToolPlating(tool) != PlatingUnknown) {
            std::printf(" plating %d", GetToolPlating(tool));
        }
        std::printf("\n");
    }
    void AddMessage(const CReaderMessage& message) override {
        messages += "message " + std::to_string(message.number) + ' ' +
                    std::to_string(message.line) + ' ' + std::to_string(message.kind) + ' ' +
                    Escaped(message.text.Str()) + '\n';
    }

    // The messages, printed after the callbacks as the C transcript prints them.
    std::string messages;
};

// Prints the transcript of a read of path, with the machine format file given, or detected when
// machineFormat is null.
void PrintTranscript(const char* path, const char* machineFormat) {
    TranscriptHost host;
    if (machineFormat != nullptr) {
        host.SetDrillMachineFormatFile(machineFormat);
    } else {
        CFormatDetector detector;
        detector.DetectFile(path);
        host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    }
    FILE* sink = NativeFile::OpenNull();
    const int result = host.Read(sink, path);
    std::fclose(sink);
    std::printf("%sresult %d\n", host.messages.c_str(), result);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--each") {
        // One run for many reads, each with a reader of its own: starting a program is what costs
        // most under an emulator.
        const char* machineFormat = std::string(argv[2]) == "-" ? nullptr : argv[2];
        for (int index = 3; index < argc; ++index) {
            std::printf("file %s\n", argv[index]);
            PrintTranscript(argv[index], machineFormat);
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s FILE [MACHINE_FORMAT_FILE]\n"
                     "       %s --each MACHINE_FORMAT_FILE|- FILE...\n",
                     argv[0], argv[0]);
        return 2;
    }
    PrintTranscript(argv[1], argc > 2 ? argv[2] : nullptr);
    return 0;
}

// Reads fuzzed drill programs through Read with a host that checks every callback. The first two
// input bytes choose the machine format: unit, zero truncation, step mode, character set,
// delimiter and the digits m,n; the rest is the program, written in ASCII and encoded to EBCDIC
// byte by byte when that character set is chosen (bytes above 127 are kept as they are).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzedDataReader.h"
#include "ScratchFile.h"
#include "perforex/perforex.h"

namespace {

const unsigned char kAsciiToEbcdic[128] = {
    0x00, 0x01, 0x02, 0x03, 0x37, 0x2D, 0x2E, 0x2F, 0x16, 0x05, 0x25, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x3C, 0x3D, 0x32, 0x26, 0x18, 0x19, 0x3F, 0x27, 0x1C, 0x1D, 0x1E, 0x1F,
    0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F,
    0x7C, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6,
    0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xAD, 0xE0, 0xDB, 0x5F, 0x6D,
    0x79, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96,
    0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xC0, 0x4F, 0xD0, 0xA1, 0x07,
};

const char* const kZeroTruncations[] = {"NONE", "LEADING", "TRAILING"};
const char* const kDelimiters[] = {"#", "*", "/", "", ",", "%", "X", " "};

// Writes the machine format that the two selector bytes choose.
std::string MachineFormatText(std::uint8_t modes, std::uint8_t digits) {
    std::string text = ".FILETYPE DRILL_MACHINE_FILE\n";
    text += (modes & 1) != 0 ? ".Unit MM\n" : ".Unit IN\n";
    text += std::string(".ZeroTruncation ") + kZeroTruncations[(modes >> 1) % 3] + "\n";
    text += (modes & 8) != 0 ? ".StepMode INCREMENTAL\n" : ".StepMode ABSOLUTE\n";
    text += (modes & 16) != 0 ? ".CharacterSet EBCDIC\n" : ".CharacterSet ASCII\n";
    text += std::string(".Delimiter \"") + kDelimiters[modes >> 5] + "\"\n";
    text +=
        ".DataFormat " + std::to_string(digits & 7) + "," + std::to_string(digits >> 3 & 7) + "\n";
    return text;
}

std::string ToEbcdic(std::string program) {
    for (char& c : program) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128) {
            c = static_cast<char>(kAsciiToEbcdic[byte]);
        }
    }
    return program;
}

// Stops the run when a contour is not what the reader promises: a polyarc path with only the
// Closed flag possibly set, at least two vertices, whole vertex triples and no break markers.
void CheckContour(const CVbVrtxGeom& path) {
    const auto* polyarc = dynamic_cast<const CVbPolyarcPath*>(&path);
    const int* record = path.GetRecord();
    const int words = path.GetWordCount();
    if (polyarc == nullptr || GetKind(record) != GEOM_POLYARC_PATH || words < 8 ||
        (words - 2) % 3 != 0) {
        std::abort();
    }
    const int unexpectedFlags =
        CVbVrtxGeom::kBreaksBit | CVbVrtxGeom::kCounterClockwiseBit | CVbVrtxGeom::kUserFlagBit;
    if ((record[0] & unexpectedFlags) != 0) {
        std::abort();
    }
}

// Thrown by the host to end a read that makes more holes than a run should wait for: a repeat
// count of many digits asks for billions of them, and each one is really delivered.
struct HitLimitReached {};

constexpr int kHitLimit = 200000;

// A host that checks each contour and works on it the way a host copying geometry would.
class CheckingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int) override {
        CheckContour(path);
        int xmin, ymin, xmax, ymax;
        path.GetExtents(&xmin, &ymin, &xmax, &ymax);
        delete path.ToShape();
    }
    void AddHit(int, int, int) override {
        if (++hits > kHitLimit) {
            throw HitLimitReached();
        }
    }
    void AddTool(int, int holeType, int, int, int, double, int a, int b, int c, int d,
                 int e) override {
        if (holeType < Round || holeType > Rectangle || (a | b | c | d | e) != 0) {
            std::abort();
        }
    }

  private:
    int hits = 0;
};

FILE* NullStream() {
    static FILE* stream = std::fopen("/dev/null", "w");
    return stream;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile formatFile("program.fmt");
    static const ScratchFile programFile("program.drl");
    FuzzedDataReader input(data, size);
    const std::uint8_t modes = input.TakeByte();
    const std::uint8_t digits = input.TakeByte();
    const std::string program = input.TakeRest();
    if (!formatFile.Write(MachineFormatText(modes, digits)) ||
        !programFile.Write((modes & 16) != 0 ? ToEbcdic(program) : program)) {
        return 0;
    }
    CheckingHost host;
    host.SetDrillMachineFormatFile(formatFile.Path().c_str());
    try {
        if (host.Read(NullStream(), programFile.Path().c_str()) == 0 && program.empty()) {
            std::abort();
        }
    } catch (const HitLimitReached&) {
        // The read was ended on purpose; what it left behind is for the sanitizers to check.
    }
    return 0;
}

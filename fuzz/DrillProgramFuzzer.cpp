// Reads fuzzed drill programs through Read with a host that checks every callback. The first two
// input bytes choose the machine format: unit, zero truncation, step mode, character set,
// delimiter, the digits m,n and the dialect (strict EXCELLON or AUTO); the rest is the program,
// written in ASCII and encoded to EBCDIC byte by byte when that character set is chosen (bytes
// above 127 are kept as they are).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzedDataReader.h"
#include "ScratchFile.h"
#include "perforex/perforex.h"
#include "scanner/EbcdicTable.h"

namespace {

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
    text += (digits & 64) != 0 ? ".DataType AUTO\n" : ".DataType EXCELLON\n";
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

// Thrown by the host to end a read that delivers more than a run should wait for: a repeat count
// of many digits asks for billions of holes, and the copies of a panel pattern for millions of
// contour vertices, and each one is really delivered.
struct DeliveryLimitReached {};

constexpr int kHitLimit = 200000;
constexpr long long kContourWordLimit = 2000000;

// A host that checks each contour and works on it the way a host copying geometry would.
class CheckingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int) override {
        CheckContour(path);
        contourWords += path.GetWordCount();
        if (contourWords > kContourWordLimit) {
            throw DeliveryLimitReached();
        }
        int xmin, ymin, xmax, ymax;
        path.GetExtents(&xmin, &ymin, &xmax, &ymax);
        delete path.ToShape();
    }
    void AddHit(int, int, int) override {
        if (++hits > kHitLimit) {
            throw DeliveryLimitReached();
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
    long long contourWords = 0;
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
    } catch (const DeliveryLimitReached&) {
        // The read was ended on purpose; what it left behind is for the sanitizers to check.
    }
    return 0;
}

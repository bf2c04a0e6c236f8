// Reads a fuzzed drill program, writes what the read delivered in a machine format that the input
// bytes choose, reads the written program back, and stops the run when the second read differs
// from the first by more than the values the writer reported as rounded. The first two bytes
// choose the reading's machine format, the next two the writing's; the rest is the program.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzedDataReader.h"
#include "WriterCapture.h"
#include "perforex/perforex.h"

namespace {

const char* const kZeroTruncations[] = {"NONE", "LEADING", "TRAILING"};
const char* const kDelimiters[] = {"#", "/", "*", ","};

// Writes the machine format that the two selector bytes choose.
std::string MachineFormatText(std::uint8_t modes, std::uint8_t digits) {
    std::string text = (modes & 1) != 0 ? ".Unit MM\n" : ".Unit IN\n";
    text += std::string(".ZeroTruncation ") + kZeroTruncations[(modes >> 1) % 3] + "\n";
    text += (modes & 8) != 0 ? ".StepMode INCREMENTAL\n" : ".StepMode ABSOLUTE\n";
    text += (modes & 16) != 0 ? ".CharacterSet EBCDIC\n" : ".CharacterSet ASCII\n";
    text += (modes & 32) != 0 ? ".ArcStyle QUADRANT\n" : ".ArcStyle RADIUS\n";
    text += (modes & 64) != 0 ? ".DataMode NON_MODAL\n" : ".DataMode MODAL\n";
    text += std::string(".Delimiter \"") + kDelimiters[(digits >> 6) & 3] + "\"\n";
    text += ".DataFormat " + std::to_string(1 + (digits & 7)) + "," +
            std::to_string(digits >> 3 & 7) + "\n";
    text += (modes & 128) != 0 ? ".DataType AUTO\n" : ".DataType EXCELLON\n";
    return text;
}

// Ends a read that asks for more holes than a run should wait for.
struct HitLimitReached {};

class LimitedCapture : public WriterCapture {
  public:
    using WriterCapture::WriterCapture;
    void AddHit(int x, int y, int tool) override {
        if (++hits > 20000) {
            throw HitLimitReached();
        }
        WriterCapture::AddHit(x, y, tool);
    }

  private:
    int hits = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataReader input(data, size);
    const std::uint8_t readModes = input.TakeByte();
    const std::uint8_t readDigits = input.TakeByte();
    const std::uint8_t writeModes = input.TakeByte();
    const std::uint8_t writeDigits = input.TakeByte();
    const std::string program = input.TakeRest();
    const std::string target = MachineFormatText(writeModes, writeDigits);
    CDrillWriter writer;
    if (writer.SetDrillMachineFormatText(target) != 1) {
        std::abort();
    }
    LimitedCapture read(&writer);
    read.SetDrillMachineFormatText(MachineFormatText(readModes & 0xCF, readDigits));
    try {
        read.ReadMemory(NullSink(), program.data(), program.size(), "fuzzed.drl");
    } catch (const HitLimitReached&) {
        return 0;
    }
    CString written;
    if (writer.WriteProgram(written) == 0) {
        return 0;
    }
    read.Apply(writer);
    if (ReadBack(target, written.Str()).Transcript() != read.Transcript()) {
        std::fprintf(stderr, "written program:\n%s\n", written.GetString());
        std::abort();
    }
    return 0;
}

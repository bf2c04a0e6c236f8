// Reads generated hits programs of growing size, from a file and from memory, and prints for each
// the processor time per megabyte and what the read added to the peak resident memory, so that
// time can be seen to grow linearly with the size and memory to stay flat:
//   perforex_scale_bench [MEGABYTES...]      (25 250 1000 when none is given)
// The programs are written to temporary files and removed afterwards; the largest needs its size
// on disk, and its size again in memory for the read from memory.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "BenchFile.h"
#include "CountingHost.h"
#include "CpuClock.h"
#include "HitsProgram.h"

namespace {

// The generated program spends about this many bytes on each hole.
constexpr double kBytesPerHit = 11.7;

struct Measure {
    double seconds = 0.0;
    long addedKiB = 0;
    bool delivered = false;
};

// Returns a line of Linux's /proc/self/status in KiB, e.g. VmRSS (resident now) or VmHWM (the
// resident peak).
long StatusKiB(const char* field) {
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kib = -1;
    const std::size_t length = std::strlen(field);
    while (status != nullptr && kib < 0 && std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            kib = std::atol(line + length + 1);
        }
    }
    if (status != nullptr) {
        std::fclose(status);
    }
    return kib;
}

// Sets the resident peak back to what is resident now, so that each read shows its own peak
// rather than one left by a larger buffer before it.
void ResetPeak() {
    FILE* clearRefs = std::fopen("/proc/self/clear_refs", "w");
    if (clearRefs != nullptr) {
        std::fputs("5", clearRefs);
        std::fclose(clearRefs);
    }
}

// Times one read and what it adds to the resident memory at its peak.
template <class Read>
Measure MeasureRead(CountingHost& host, long long hits, Read read) {
    host.Reset();
    Measure measure;
    ResetPeak();
    const long before = StatusKiB("VmRSS");
    const double start = CpuClock::ThreadSeconds();
    const int result = read();
    measure.seconds = CpuClock::ThreadSeconds() - start;
    measure.addedKiB = StatusKiB("VmHWM") - before;
    measure.delivered = result == 1 && host.hits == hits;
    return measure;
}

std::vector<char> FileBytes(const BenchFile& file) {
    std::vector<char> bytes(static_cast<std::size_t>(file.Size()));
    FILE* stream = std::fopen(file.Path().c_str(), "rb");
    const bool complete =
        stream != nullptr && std::fread(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    if (stream != nullptr) {
        std::fclose(stream);
    }
    return complete ? bytes : std::vector<char>();
}

void Print(const char* source, long long bytes, const Measure& measure) {
    const double megabytes = static_cast<double>(bytes) / 1e6;
    std::printf("%-6s %9.1f MB %8.3f s %6.2f ms/MB  peak +%ld KiB\n", source, megabytes,
                measure.seconds, 1e3 * measure.seconds / megabytes, measure.addedKiB);
}

// Reads one generated program of about megabytes MB from its file, then from memory.
bool MeasureSize(double megabytes) {
    const auto hits = static_cast<long long>(megabytes * 1e6 / kBytesPerHit);
    const HitsProgram generator(hits, 20, HitsProgram::Form::LeadingAbsolute, false);
    const BenchFile program([&](FILE* file) { generator.WriteProgram(file); });
    const BenchFile format([&](FILE* file) { generator.WriteMachineFormat(file); });
    CountingHost host;
    host.SetDrillMachineFormatFile(format.Path());
    const Measure fromFile =
        MeasureRead(host, hits, [&] { return host.Read(stderr, program.Path()); });
    Print("file", program.Size(), fromFile);
    const std::vector<char> bytes = FileBytes(program);
    const Measure fromMemory = MeasureRead(host, hits, [&] {
        return host.ReadMemory(stderr, bytes.data(), bytes.size(), program.Path());
    });
    Print("memory", program.Size(), fromMemory);
    return fromFile.delivered && fromMemory.delivered;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<double> sizes;
    for (int index = 1; index < argc; ++index) {
        sizes.push_back(std::atof(argv[index]));
    }
    if (sizes.empty()) {
        sizes = {25, 250, 1000};
    }
    bool delivered = true;
    for (const double megabytes : sizes) {
        delivered = MeasureSize(megabytes) && delivered;
    }
    if (!delivered) {
        std::fprintf(stderr, "a read did not deliver every hole of its program\n");
    }
    return delivered ? 0 : 1;
}

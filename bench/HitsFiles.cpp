// Writes the hits program of the read benchmarks (2,000,000 holes unless told otherwise) and its
// machine format into a folder, and prints their paths and the processor time of the fastest of
// five C++ reads of them, the measure that bench/python_read.py holds the Python package to;
// with "refuted", the same holes under statements their numbers refute (refuted.drl, .fmt), each
// block an error, as perforex-dump is measured with:
//   perforex_hits_files FOLDER [HITS [refuted]]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CountingHost.h"
#include "CpuClock.h"
#include "HitsProgram.h"

namespace {

constexpr int kReads = 5;

// Writes one file through write; returns false when it cannot be written.
template <class Write>
bool WriteFile(const std::string& path, Write write) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    write(file);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [HITS]\n", argv[0]);
        return 2;
    }
    const long long hits = argc > 2 ? std::atoll(argv[2]) : 2000000;
    const bool refuted = argc > 3 && std::string(argv[3]) == "refuted";
    const std::string name = std::string(argv[1]) + (refuted ? "/refuted" : "/hits");
    const std::string program = name + ".drl";
    const std::string format = name + ".fmt";
    const HitsProgram generator(
        hits, 20, refuted ? HitsProgram::Form::LeadingRefuted : HitsProgram::Form::LeadingAbsolute,
        false);
    if (!WriteFile(program, [&](FILE* file) { generator.WriteProgram(file); }) ||
        !WriteFile(format, [&](FILE* file) { generator.WriteMachineFormat(file); })) {
        std::perror(argv[1]);
        return 2;
    }
    CountingHost host;
    host.SetDrillMachineFormatFile(format);
    FILE* messages = std::fopen("/dev/null", "w");
    double fastest = 0.0;
    for (int read = 0; read < kReads; ++read) {
        host.Reset();
        const double start = CpuClock::ThreadSeconds();
        const int result = host.Read(messages, program);
        const double seconds = CpuClock::ThreadSeconds() - start;
        // A refuted program drills none of its holes.
        if (result != (refuted ? 0 : 1) || host.hits != (refuted ? 0 : hits)) {
            std::fprintf(stderr, "the read did not deliver the %lld holes\n", hits);
            return 1;
        }
        fastest = read == 0 || seconds < fastest ? seconds : fastest;
    }
    std::fclose(messages);
    std::printf("%s %s %.4f\n", program.c_str(), format.c_str(), fastest);
    return 0;
}

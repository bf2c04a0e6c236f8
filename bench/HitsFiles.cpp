// Writes the hits program of the read benchmarks (2,000,000 holes unless told otherwise) and its
// machine format into a folder, and prints their paths and the processor time of the fastest of
// five C++ reads of them, the measure that bench/python_read.py holds the Python package to:
//   perforex_hits_files FOLDER [HITS]

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
    const std::string program = std::string(argv[1]) + "/hits.drl";
    const std::string format = std::string(argv[1]) + "/hits.fmt";
    const HitsProgram generator(hits, 20, HitsProgram::Form::LeadingAbsolute, false);
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
        if (result != 1 || host.hits != hits) {
            std::fprintf(stderr, "the read did not deliver the %lld holes\n", hits);
            return 1;
        }
        fastest = read == 0 || seconds < fastest ? seconds : fastest;
    }
    std::fclose(messages);
    std::printf("%s %s %.4f\n", program.c_str(), format.c_str(), fastest);
    return 0;
}

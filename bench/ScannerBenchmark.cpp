// Measures how fast the scanner turns a drill program into tokens.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "machineformat/DrillMachineFormat.h"
#include "scanner/DrillScanner.h"

namespace {

// Appends one section of a typical program: a comment, a tool change, a run of drilled holes
// and a routed contour with lines and arcs.
void AppendSection(std::string& program, int section) {
    program += ";Section " + std::to_string(section) + " drilled holes then a slot\n";
    program += "T0" + std::to_string(section % 9 + 1) + "\n";
    for (int hole = 0; hole < 40; ++hole) {
        program += "X" + std::to_string(10000 + 37 * hole + section) + "Y" +
                   std::to_string(250000 - 53 * hole) + "\n";
    }
    program += "G04 contour follows#\nG00X15000Y15000\nM15\n";
    for (int edge = 0; edge < 8; ++edge) {
        program += "G01X" + std::to_string(15000 + 1000 * edge) + "Y-" +
                   std::to_string(15000 + 500 * edge) + "\n";
        program += "G02X" + std::to_string(16000 + 1000 * edge) + "Y16000I500J-500\n";
    }
    program += "M16\n";
}

// Returns a program of at least minimumBytes bytes with a header, sections and an end code.
std::string MakeProgram(std::size_t minimumBytes) {
    std::string program = "M48\nINCH,LZ\n";
    for (int tool = 1; tool <= 9; ++tool) {
        program += "T0" + std::to_string(tool) + "C0.0" + std::to_string(tool) + "50\n";
    }
    program += "%\nG90\n";
    for (int section = 0; program.size() < minimumBytes; ++section) {
        AppendSection(program, section);
    }
    return program + "M30\n";
}

// Writes the program to a temporary file that is removed at the end of the benchmark.
class ProgramFile {
  public:
    explicit ProgramFile(const std::string& bytes) {
        char name[] = "/tmp/perforex_bench_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) {
            throw std::runtime_error("mkstemp failed");
        }
        path = name;
        FILE* file = fdopen(fd, "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~ProgramFile() { std::remove(path.c_str()); }
    ProgramFile(const ProgramFile&) = delete;
    ProgramFile& operator=(const ProgramFile&) = delete;

    std::string path;
};

void ScanProgram(benchmark::State& state) {
    const std::string program = MakeProgram(static_cast<std::size_t>(state.range(0)) << 20);
    const ProgramFile file(program);
    CDrillMachineFormat format;
    format.integerDigits = 2;
    format.decimalDigits = 4;
    std::size_t tokens = 0;
    for (auto _ : state) {
        CDrillScanner scanner(file.path, format, nullptr);
        NCToken token;
        tokens = 0;
        while (scanner.NextToken(token) != nullptr) {
            benchmark::DoNotOptimize(token.value);
            ++tokens;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(program.size()));
    state.counters["tokens"] = static_cast<double>(tokens);
}

BENCHMARK(ScanProgram)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

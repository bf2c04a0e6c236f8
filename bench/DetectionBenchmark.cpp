// Measures what detecting a program's format costs a host that reads it. In each iteration the
// program is read three ways: with its own strict machine format, in AUTO with the detected format
// given beforehand, and detected then read with the detected format (the timed work); from the
// file or from memory. Counters give the processor times and the ratios of the detected read to
// the other two.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "BenchFile.h"
#include "CountingHost.h"
#include "CpuClock.h"
#include "HitsProgram.h"
#include "perforex/FormatDetector.h"

namespace {

constexpr int kTools = 20;

// A holes program with its strict machine format and its bytes.
struct DetectedProgram {
    std::unique_ptr<BenchFile> program;
    std::unique_ptr<BenchFile> machineFormat;
    std::string bytes;
};

const DetectedProgram& Program(long long hits, HitsProgram::Form form) {
    static std::map<std::pair<long long, HitsProgram::Form>, DetectedProgram> cache;
    DetectedProgram& entry = cache[{hits, form}];
    if (!entry.program) {
        const HitsProgram generator(hits, kTools, form, false);
        entry.program =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteProgram(file); });
        entry.machineFormat =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteMachineFormat(file); });
        std::ifstream file(entry.program->Path(), std::ios::binary);
        entry.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return entry;
}

// Detects the format of the program, from the file or from memory, and returns its text.
std::string Detect(CFormatDetector& detector, const DetectedProgram& program, bool fromMemory) {
    if (fromMemory) {
        detector.DetectMemory(program.bytes.data(), program.bytes.size(), program.program->Path());
    } else {
        detector.DetectFile(program.program->Path());
    }
    return detector.GetMachineFormatText().Str();
}

void DetectAndRead(benchmark::State& state, HitsProgram::Form form, bool fromMemory) {
    const DetectedProgram& program = Program(state.range(0), form);
    const std::string& path = program.program->Path();
    const std::string& bytes = program.bytes;
    FILE* messages = std::fopen("/dev/null", "w");
    const auto read = [&](CountingHost& host) {
        host.Reset();
        return fromMemory ? host.ReadMemory(messages, bytes.data(), bytes.size(), path)
                          : host.Read(messages, path);
    };
    // Times one read by the host, with the benchmark's timer paused.
    const auto timed = [&](CountingHost& host, double& seconds) {
        state.PauseTiming();
        const double start = CpuClock::ThreadSeconds();
        const int result = read(host);
        seconds += CpuClock::ThreadSeconds() - start;
        state.ResumeTiming();
        return result;
    };
    CFormatDetector beforehand;
    CountingHost strict;
    CountingHost known;
    strict.SetDrillMachineFormatFile(program.machineFormat->Path());
    known.SetDrillMachineFormatText(Detect(beforehand, program, fromMemory));
    double strictSeconds = 0.0;
    double knownSeconds = 0.0;
    double detectedSeconds = 0.0;
    for (auto _ : state) {
        const int strictResult = timed(strict, strictSeconds);
        const int knownResult = timed(known, knownSeconds);
        const double start = CpuClock::ThreadSeconds();
        CFormatDetector detector;
        CountingHost detected;
        detected.SetDrillMachineFormatText(Detect(detector, program, fromMemory));
        const int detectedResult = read(detected);
        detectedSeconds += CpuClock::ThreadSeconds() - start;
        if (strictResult != 1 || knownResult != 1 || detectedResult != 1 ||
            strict.hits != state.range(0) || detected.hits != strict.hits ||
            detected.checksum != strict.checksum) {
            state.SkipWithError("the detected format reads other holes than the program's own");
            break;
        }
    }
    std::fclose(messages);
    const auto iterations = static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
    state.counters["strict_ms"] = 1e3 * strictSeconds / iterations;
    state.counters["auto_ms"] = 1e3 * knownSeconds / iterations;
    state.counters["detect_read_ms"] = 1e3 * detectedSeconds / iterations;
    state.counters["x_auto"] = detectedSeconds / knownSeconds;
    state.counters["x_strict"] = detectedSeconds / strictSeconds;
}

// The holes under a header that states INCH and TZ, so that only the digits are left to the
// places of the holes, and under one that states only INCH, which leaves the zero suppression to
// the numbers as well.
void DetectAndReadStatedFile(benchmark::State& state) {
    DetectAndRead(state, HitsProgram::Form::LeadingStated, false);
}
void DetectAndReadStatedMemory(benchmark::State& state) {
    DetectAndRead(state, HitsProgram::Form::LeadingStated, true);
}
void DetectAndReadUnstatedFile(benchmark::State& state) {
    DetectAndRead(state, HitsProgram::Form::LeadingUnstated, false);
}
void DetectAndReadUnstatedMemory(benchmark::State& state) {
    DetectAndRead(state, HitsProgram::Form::LeadingUnstated, true);
}

// 2,000,000 holes make a program of about 24 MB.
BENCHMARK(DetectAndReadStatedFile)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DetectAndReadStatedMemory)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DetectAndReadUnstatedFile)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DetectAndReadUnstatedMemory)->Arg(2000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

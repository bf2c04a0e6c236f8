// Measures writing a program of 2,000,000 holes through CDrillWriter::Write against reading the
// same program through CPerforexReader::Read, each in the program's own machine format, side
// by side, so that their ratio shows what a write costs against a read.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "BenchFile.h"
#include "CountingHost.h"
#include "HitsProgram.h"
#include "perforex/perforex.h"

namespace {

constexpr long long kHits = 2000000;
constexpr int kTools = 20;

// The generated program, its machine format, and a writer given what a read of it delivers.
struct WrittenHits {
    WrittenHits(HitsProgram::Form form)
        : generator(kHits, kTools, form, false),
          program([&](FILE* file) { generator.WriteProgram(file); }),
          machineFormat([&](FILE* file) { generator.WriteMachineFormat(file); }),
          output(program.Path() + ".written") {
        writer.SetDrillMachineFormatFile(machineFormat.Path());
        CWritingReader reader(writer);
        reader.SetDrillMachineFormatFile(machineFormat.Path());
        FILE* messages = std::fopen("/dev/null", "w");
        reader.Read(messages, program.Path());
        std::fclose(messages);
    }
    ~WrittenHits() { std::remove(output.c_str()); }

    HitsProgram generator;
    BenchFile program;
    BenchFile machineFormat;
    std::string output;
    CDrillWriter writer;
};

WrittenHits& Hits(HitsProgram::Form form) {
    static WrittenHits leading(HitsProgram::Form::LeadingAbsolute);
    static WrittenHits trailing(HitsProgram::Form::TrailingIncremental);
    return form == HitsProgram::Form::LeadingAbsolute ? leading : trailing;
}

void Read(benchmark::State& state, HitsProgram::Form form) {
    const WrittenHits& hits = Hits(form);
    CountingHost host;
    host.SetDrillMachineFormatFile(hits.machineFormat.Path());
    FILE* messages = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        host.Reset();
        if (host.Read(messages, hits.program.Path()) != 1 || host.hits != kHits) {
            state.SkipWithError("the read did not deliver every hole");
        }
    }
    std::fclose(messages);
}

void Write(benchmark::State& state, HitsProgram::Form form) {
    WrittenHits& hits = Hits(form);
    for (auto _ : state) {
        if (hits.writer.Write(hits.output) != 1 || hits.writer.GetRoundingCount() != 0) {
            state.SkipWithError(hits.writer.GetError().GetString());
        }
    }
}

void ReadLeadingAbsolute(benchmark::State& state) {
    Read(state, HitsProgram::Form::LeadingAbsolute);
}
void WriteLeadingAbsolute(benchmark::State& state) {
    Write(state, HitsProgram::Form::LeadingAbsolute);
}
void ReadTrailingIncremental(benchmark::State& state) {
    Read(state, HitsProgram::Form::TrailingIncremental);
}
void WriteTrailingIncremental(benchmark::State& state) {
    Write(state, HitsProgram::Form::TrailingIncremental);
}

BENCHMARK(ReadLeadingAbsolute)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteLeadingAbsolute)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadTrailingIncremental)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTrailingIncremental)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

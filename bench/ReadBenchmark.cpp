// Measures whole reads through CPerforexReader::Read, with a host that only counts, against the
// floor pass over the same file.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "BenchFile.h"
#include "CountingHost.h"
#include "FloorComparison.h"
#include "HitsProgram.h"
#include "LongContourProgram.h"
#include "RoutsProgram.h"

namespace {

constexpr int kHitTools = 20;
constexpr int kRoutTools = 4;

// A generated program with the machine format it reads under and what a read must deliver.
struct GeneratedProgram {
    std::unique_ptr<BenchFile> program;
    std::unique_ptr<BenchFile> machineFormat;
    int lineFeed = '\n';
    int result = 1;
    long long hits = 0;
    long long tools = 0;
    long long contours = 0;
};

// Returns the hits program of the given size and form, generating it on first use.
const GeneratedProgram& Hits(long long hits, HitsProgram::Form form, bool ebcdic) {
    static std::map<std::tuple<long long, HitsProgram::Form, bool>, GeneratedProgram> cache;
    GeneratedProgram& entry = cache[{hits, form, ebcdic}];
    if (!entry.program) {
        const HitsProgram generator(hits, kHitTools, form, ebcdic);
        entry.program =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteProgram(file); });
        entry.machineFormat =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteMachineFormat(file); });
        entry.lineFeed = generator.LineFeedByte();
        // A refuted program drills none of its holes: every block's values are out of range.
        const bool refuted = form == HitsProgram::Form::LeadingRefuted;
        entry.result = refuted ? 0 : 1;
        entry.hits = refuted ? 0 : hits;
        entry.tools = kHitTools;
    }
    return entry;
}

// Returns the routs program of the given size, generating it on first use.
const GeneratedProgram& Routs(long long contours) {
    static std::map<long long, GeneratedProgram> cache;
    GeneratedProgram& entry = cache[contours];
    if (!entry.program) {
        const RoutsProgram generator(contours, kRoutTools);
        entry.program =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteProgram(file); });
        entry.machineFormat = std::make_unique<BenchFile>(&RoutsProgram::WriteMachineFormat);
        entry.contours = contours;
        entry.tools = kRoutTools;
    }
    return entry;
}

// Returns the program of one contour of the given number of cut blocks, generating it on first
// use.
const GeneratedProgram& LongContour(long long cuts) {
    static std::map<long long, GeneratedProgram> cache;
    GeneratedProgram& entry = cache[cuts];
    if (!entry.program) {
        const LongContourProgram generator(cuts);
        entry.program =
            std::make_unique<BenchFile>([&](FILE* file) { generator.WriteProgram(file); });
        entry.machineFormat = std::make_unique<BenchFile>(&RoutsProgram::WriteMachineFormat);
        entry.contours = 1;
        entry.tools = 1;
    }
    return entry;
}

// Reads the program once per iteration and checks that the read was clean and delivered all.
void ReadProgram(benchmark::State& state, const GeneratedProgram& generated, long long items) {
    CountingHost host;
    host.SetDrillMachineFormatFile(generated.machineFormat->Path());
    FILE* messages = std::fopen("/dev/null", "w");
    auto read = [&] {
        host.Reset();
        return host.Read(messages, generated.program->Path()) == generated.result &&
               host.hits == generated.hits && host.tools == generated.tools &&
               host.contours == generated.contours;
    };
    if (!read()) {
        state.SkipWithError("the read did not deliver what the program holds");
    } else {
        FloorComparison(generated.program->Path(), generated.lineFeed)
            .Run(state, generated.program->Size(), items, read);
    }
    std::fclose(messages);
}

void ReadHits(benchmark::State& state) {
    const GeneratedProgram& program =
        Hits(state.range(0), HitsProgram::Form::LeadingAbsolute, false);
    ReadProgram(state, program, program.hits);
}

// The same holes written with decimal points and tools T1 to T20, read in the AUTO dialect.
void ReadHitsAuto(benchmark::State& state) {
    const GeneratedProgram& program = Hits(state.range(0), HitsProgram::Form::DecimalAuto, false);
    ReadProgram(state, program, program.hits);
}

// The same holes under statements their numbers refute: each block a message of an error, so
// that the two rows show what messages cost over ReadHits.
void ReadHitsRefuted(benchmark::State& state) {
    const GeneratedProgram& program =
        Hits(state.range(0), HitsProgram::Form::LeadingRefuted, false);
    ReadProgram(state, program, state.range(0));
}

void ReadHitsEbcdic(benchmark::State& state) {
    const GeneratedProgram& program =
        Hits(state.range(0), HitsProgram::Form::LeadingAbsolute, true);
    ReadProgram(state, program, program.hits);
}

void ReadHitsTrailingIncremental(benchmark::State& state) {
    const GeneratedProgram& program =
        Hits(state.range(0), HitsProgram::Form::TrailingIncremental, false);
    ReadProgram(state, program, program.hits);
}

void ReadRouts(benchmark::State& state) {
    const GeneratedProgram& program = Routs(state.range(0));
    ReadProgram(state, program, program.contours);
}

void ReadLongContour(benchmark::State& state) {
    ReadProgram(state, LongContour(state.range(0)), state.range(0));
}

// Each program at half and at full size, so that the two rows show whether reading is linear.
BENCHMARK(ReadHits)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadHitsAuto)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadHitsRefuted)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadHitsEbcdic)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadHitsTrailingIncremental)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRouts)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadLongContour)->Arg(200000)->Arg(400000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

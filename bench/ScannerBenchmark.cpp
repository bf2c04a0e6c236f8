// Measures how fast the scanner alone turns the generated programs into tokens, against the floor
// pass over the same file.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "BenchFile.h"
#include "FloorComparison.h"
#include "HitsProgram.h"
#include "RoutsProgram.h"
#include "machineformat/DrillMachineFormat.h"
#include "scanner/DrillScanner.h"

namespace {

// Returns the settings the generated programs are written for: format 2,4 in inches.
CDrillMachineFormat GeneratedFormat(bool ebcdic, HitsProgram::Form form) {
    CDrillMachineFormat format;
    format.integerDigits = 2;
    format.decimalDigits = 4;
    format.characterSet = ebcdic ? CDrillMachineFormat::EBCDIC : CDrillMachineFormat::ASCII;
    if (form == HitsProgram::Form::TrailingIncremental) {
        format.zeroTruncation = CDrillMachineFormat::TRAILING;
        format.stepMode = CDrillMachineFormat::INCREMENTAL;
    }
    return format;
}

// Scans the file to its end once per iteration and reports tokens per second.
void ScanFile(benchmark::State& state, const BenchFile& file, const CDrillMachineFormat& format,
              int lineFeed) {
    long long tokens = 0;
    auto scan = [&] {
        CDrillScanner scanner(file.Path(), format, nullptr);
        NCToken token;
        tokens = 0;
        while (scanner.NextToken(token) != nullptr) {
            benchmark::DoNotOptimize(token.value);
            ++tokens;
        }
        return scanner.IsTokenValid();
    };
    scan();
    FloorComparison(file.Path(), lineFeed).Run(state, file.Size(), tokens, scan);
}

void ScanHits(benchmark::State& state, HitsProgram::Form form, bool ebcdic) {
    const HitsProgram generator(state.range(0), 20, form, ebcdic);
    const BenchFile file([&](FILE* out) { generator.WriteProgram(out); });
    ScanFile(state, file, GeneratedFormat(ebcdic, form), generator.LineFeedByte());
}

void ScanRouts(benchmark::State& state) {
    const RoutsProgram generator(state.range(0), 4);
    const BenchFile file([&](FILE* out) { generator.WriteProgram(out); });
    ScanFile(state, file, GeneratedFormat(false, HitsProgram::Form::LeadingAbsolute), '\n');
}

BENCHMARK_CAPTURE(ScanHits, leading, HitsProgram::Form::LeadingAbsolute, false)
    ->Arg(2000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScanHits, ebcdic, HitsProgram::Form::LeadingAbsolute, true)
    ->Arg(2000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScanHits, trailing_incremental, HitsProgram::Form::TrailingIncremental, false)
    ->Arg(2000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ScanRouts)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
